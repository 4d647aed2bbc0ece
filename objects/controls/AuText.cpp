#include "objects/controls/AuText.h"

namespace brelvane {

TAuText::TAuText(TAutoObject& object, QWidget* parent) : TAAText(object, parent) {
    Refresh();
}

void TAuText::Refresh() {
    if (const auto* payload = PayloadAs<TTextPayload>()) {
        BeginUpdate();
        SetAlign(payload->Align);
        SetAutoSize(payload->AutoSize);
        SetBorder(payload->Border);
        SetText(payload->Text);
        SetFonts(payload->Fonts);
        SetFont(payload->Font);
        ApplyGeometry();
        EndUpdate();
    }
    TAAText::Refresh();
}

} // namespace brelvane
