#include "objects/controls/AuFadeLabel.h"

namespace brelvane {

TAuFadeLabel::TAuFadeLabel(TAutoObject& object, QWidget* parent) : TAAFadeText(object, parent) {
    Refresh();
    if (const auto* payload = PayloadAs<TFadeLabelPayload>()) SetActive(payload->Active);
}

void TAuFadeLabel::Refresh() {
    if (const auto* payload = PayloadAs<TFadeLabelPayload>()) {
        BeginUpdate();
        SetAlign(payload->Align);
        SetAutoSize(payload->AutoSize);
        SetBorder(payload->Border);
        SetText(payload->Text);
        SetFonts(payload->Fonts);
        SetFont(payload->Font);
        SetRepeatCount(payload->RepeatCount);
        ApplyGeometry();
        EndUpdate();
    }
    TAAFadeText::Refresh();
}

} // namespace brelvane
