#include "objects/controls/ObjectWidget.h"

#include "render/AnsiText.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace brelvane {

TObjectWidget::TObjectWidget(TAutoObject& object, QWidget* parent) : QWidget(parent) {
    Object = &object;
    setMouseTracking(true);
    ApplyGeometry();
}

void TObjectWidget::Refresh() {
    update();
}

void TObjectWidget::ApplyGeometry() {
    if (const auto* payload = Object->Payload.get())
        setGeometry(payload->Left, payload->Top, payload->Width, payload->Height);
    if (Object->Payload) setToolTip(FromAnsi(Object->Payload->Hint));
}

void TObjectWidget::SetPopupMenu(QMenu* menu) {
    delete popupMenu_;
    popupMenu_ = menu;
    if (menu) menu->setParent(this, menu->windowFlags());
}

void TObjectWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (!popupMenu_ || popupMenu_->isEmpty()) {
        event->ignore();
        return;
    }
    popupMenu_->popup(event->globalPos());
    event->accept();
}

void TObjectWidget::ReportPress(QMouseEvent* event) {
    emit MouseDown(this, event->button(), event->position().toPoint());
}

void TObjectWidget::ReportRelease(QMouseEvent* event) {
    emit MouseUp(this);
    // A release inside the control after a left press is a click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked(this);
}

void TObjectWidget::ReportMove(QMouseEvent* event) {
    emit MouseMoved(this, event->buttons(), event->position().toPoint());
}

void TObjectWidget::ReportChildMouse(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        ReportPress(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease:
        ReportRelease(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseMove:
        ReportMove(static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
}

void TObjectWidget::PaintFillAndBorder(const QColor& fill, bool border) {
    QPainter painter(this);
    painter.fillRect(rect(), fill);
    if (!border) return;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TObjectWidget::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit HoverEntered(this);
}

void TObjectWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit HoverLeft(this);
}

void TObjectWidget::mousePressEvent(QMouseEvent* event) {
    ReportPress(event);
}

void TObjectWidget::mouseReleaseEvent(QMouseEvent* event) {
    ReportRelease(event);
}

void TObjectWidget::mouseMoveEvent(QMouseEvent* event) {
    ReportMove(event);
}

} // namespace brelvane
