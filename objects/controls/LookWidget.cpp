#include "objects/controls/LookWidget.h"

#include <QMouseEvent>

namespace brelvane {

void TLookWidget::ClearHoverLook() {
    SetLooks(PressedLook, false);
}

void TLookWidget::RestoreLooks(bool pressed, bool hovered) {
    PressedLook = pressed;
    HoverLook = hovered;
}

void TLookWidget::SetLooks(bool pressed, bool hovered) {
    if (pressed == PressedLook && hovered == HoverLook) return;
    PressedLook = pressed;
    HoverLook = hovered;
    LooksChanged();
    update();
}

void TLookWidget::Enter() {
    if (Inside) return;
    Inside = true;
    SetLooks(PressedLook, true);
    emit HoverEntered(this);
}

void TLookWidget::Leave() {
    if (!Inside) return;
    Inside = false;
    SetLooks(PressedLook, false);
    emit HoverLeft(this);
}

void TLookWidget::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    Enter();
}

void TLookWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    Leave();
}

void TLookWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetLooks(true, HoverLook);
    ReportPress(event);
}

void TLookWidget::mouseReleaseEvent(QMouseEvent* event) {
    // Pressed is cleared before the page sees the click, whose check-group
    // update repaints the control.
    if (event->button() == Qt::LeftButton) SetLooks(false, HoverLook);
    ReportRelease(event);
}

void TLookWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The bottom edge counts as inside, as the recovery rule has it.
    const bool inside = at.x() >= 0 && at.x() < width() && at.y() >= 0 && at.y() <= height();
    if (PressedLook && (event->buttons() & Qt::LeftButton)) {
        if (inside)
            Enter();
        else
            Leave();
    } else if (inside && !HoverLook && !PressedLook) {
        SetLooks(false, true);
    }
    ReportMove(event);
}

void TLookWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        LooksChanged();
        update();
    }
}

} // namespace brelvane
