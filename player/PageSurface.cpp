#include "player/PageSurface.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace brelvane {

TPageSurface::TPageSurface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPageSurface::SetBackground(QImage background) {
    background_ = std::move(background);
    update();
}

void TPageSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), background_, event->rect());
}

void TPageSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit BackgroundClicked();
}

void TPageSurface::mouseMoveEvent(QMouseEvent*) {
    emit BackgroundHovered();
}

void TPageSurface::contextMenuEvent(QContextMenuEvent* event) {
    emit BackgroundContextMenu(event->globalPos());
}

void TPageSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

} // namespace brelvane
