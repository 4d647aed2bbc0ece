#include "objects/records/LabelPayload.h"

namespace brelvane {

TLabelFields::TLabelFields() {
    Effect.FontEffect = NewObjectEffect();
    Effect.Transparent = true;
}

TLabelPayload::TLabelPayload() {
    Caption = "New Label";
}

TLinkPayload::TLinkPayload() {
    Caption = "New Link";
    HotLink.FontEffect = NewObjectEffect();
    HotLink.Transparent = true;
}

void TLabelPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

void TLinkPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
