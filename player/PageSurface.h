#pragma once

#include <QImage>
#include <QWidget>

namespace brelvane {

// The page surface: paints the rendered page background and holds the object
// controls. Background clicks, presses and moves are reported to the page.
class TPageSurface : public QWidget {
    Q_OBJECT
public:
    explicit TPageSurface(QWidget* parent);

    void SetBackground(QImage background);
    const QImage& Background() const { return background_; }

signals:
    void BackgroundClicked();
    void BackgroundContextMenu(QPoint globalPosition);
    void BackgroundHovered();
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage background_;
};

} // namespace brelvane
