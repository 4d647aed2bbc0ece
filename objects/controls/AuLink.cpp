#include "objects/controls/AuLink.h"

#include "objects/controls/AuLabel.h"
#include "objects/records/LabelPayload.h"

namespace brelvane {

TAuLink::TAuLink(TAutoObject& object, QWidget* parent) : TAALinkLabel(object, parent) {
    Refresh();
}

void TAuLink::Refresh() {
    if (const auto* payload = PayloadAs<TLinkPayload>()) {
        BeginUpdate();
        ApplyLabelFields(*this, *payload);
        SetHotLink(payload->HotLink);
        ApplyGeometry();
        EndUpdate();
    }
    TAALinkLabel::Refresh();
}

} // namespace brelvane
