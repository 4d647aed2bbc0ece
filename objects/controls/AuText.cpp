#include "objects/controls/AuText.h"

namespace brelvane {

TAuText::TAuText(TAutoObject& object, QWidget* parent) : TAAText(object, parent) {
    Refresh();
}

void TAuText::Refresh() {
    if (const auto* payload = PayloadAs<TTextPayload>()) {
        BeginUpdate();
        ApplyTextFields(*this, *payload);
        ApplyGeometry();
        EndUpdate();
    }
    TAAText::Refresh();
}

} // namespace brelvane
