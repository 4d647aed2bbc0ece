#pragma once

#include <QImage>
#include <QWidget>
#include <string>

namespace brelvane {

// `Image1`: the painted picture of the page with the design marks. It receives
// the mouse for the editing surface and shows the rubber band, which it draws
// by inverting pixels so that the page need not be painted again.
class TSurfaceImage : public QWidget {
    Q_OBJECT
public:
    explicit TSurfaceImage(QWidget* parent);

    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }
    // Inverts the outline of `band` (none when null): once shows it, twice erases it.
    void ToggleBand(const QRect& band);

signals:
    void Pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    void Moved(QPoint point);
    void Released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    // An object template dragged from the template pane was dropped here.
    void TemplateDropped(const std::string& path, const std::string& group, QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage picture_;
};

} // namespace brelvane
