#include "objects/controls/AuButton.h"

#include "objects/controls/ButtonFace.h"
#include "objects/records/ButtonPayload.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QMouseEvent>
#include <QPainter>

namespace brelvane {

TAuButton::TAuButton(TAutoObject& object, QWidget* parent) : TObjectWidget(object, parent) {}

void TAuButton::SetGroup(int index) {
    GroupIndex = index;
    if (GroupIndex == 0)
        SetDown(false);
    else if (IsDown)
        ReleaseOthersInGroup();
}

void TAuButton::SetDown(bool down) {
    if (GroupIndex == 0) down = false;
    if (down == IsDown) return;
    IsDown = down;
    if (IsDown) ReleaseOthersInGroup();
    update();
}

void TAuButton::ReleaseOthersInGroup() {
    if (!parentWidget()) return;
    for (auto* other : parentWidget()->findChildren<TAuButton*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->GroupIndex == GroupIndex) other->SetDown(false);
}

void TAuButton::SetHeld(bool held, bool inside) {
    if (held == Held && inside == HeldInside) return;
    Held = held;
    HeldInside = inside;
    update();
}

void TAuButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = IsDown || (Held && HeldInside);
    QRect face = rect();
    DrawButtonFace(painter, face, sunken);
    const auto* payload = PayloadAs<TButtonPayload>();
    if (!payload || payload->Caption.empty()) return;
    painter.setFont(ToQFont(payload->Font));
    painter.setPen(isEnabled() ? FontColor(payload->Font)
                               : ResolveColor(SystemColorValue(COLOR_GRAYTEXT)));
    if (sunken) face.translate(1, 1);
    painter.drawText(face, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
                     FromAnsi(payload->Caption));
}

void TAuButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetHeld(true, true);
    ReportPress(event);
}

void TAuButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const bool inside = rect().contains(event->position().toPoint());
        SetHeld(false, false);
        // A grouped button stays down after a click; clicking it again keeps it down.
        if (inside && GroupIndex != 0) SetDown(true);
    }
    ReportRelease(event);
}

void TAuButton::mouseMoveEvent(QMouseEvent* event) {
    if (Held) SetHeld(true, rect().contains(event->position().toPoint()));
    ReportMove(event);
}

} // namespace brelvane
