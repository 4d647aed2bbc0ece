#include "objects/controls/AuFadeLabel.h"

#include "objects/controls/AuText.h"

namespace brelvane {

TAuFadeLabel::TAuFadeLabel(TAutoObject& object, QWidget* parent) : TAAFadeText(object, parent) {
    Refresh();
    if (const auto* payload = PayloadAs<TFadeLabelPayload>()) SetActive(payload->Active);
}

void TAuFadeLabel::Refresh() {
    if (const auto* payload = PayloadAs<TFadeLabelPayload>()) {
        BeginUpdate();
        ApplyTextFields(*this, *payload);
        SetRepeatCount(payload->RepeatCount);
        ApplyGeometry();
        EndUpdate();
    }
    TAAFadeText::Refresh();
}

} // namespace brelvane
