#pragma once

#include <QImage>
#include <QWidget>

namespace brelvane {

class TPageHost;

// The outer frame a page window gets from its border style.
struct TFrameMetrics {
    int Border = 0;  // frame thickness on each side
    int Caption = 0; // title bar height
};
TFrameMetrics FrameMetricsOf(std::uint8_t borderStyle);

// The editing surface as a view: it imitates the current page's window (frame,
// caption, menu bar, tool bar, status bar) around a painted picture of the
// page's object panel (`Image1`) with the design marks drawn over it.
class TEditForm : public QWidget {
    Q_OBJECT
public:
    TEditForm(TPageHost& host, QWidget* parent);

    // Makes the window imitate the page of the host's model.
    void SyncSurface();
    // Repaints the picture and the marks.
    void RepaintSurface();

    const QImage& Image1() const { return image1_; }
    // Where Image1 lies inside this window.
    QPoint ImageOrigin() const { return imageOrigin_; }

signals:
    // The window's size or place changed (the shadow preview follows).
    void Changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A bar of the model as the player shows it, or a null picture when hidden.
    static QImage BarPicture(QWidget* bar, int width);

    TPageHost& host_;
    QImage frame_; // caption, icon and bars, without Image1
    QImage image1_;
    QPoint imageOrigin_;
};

} // namespace brelvane
