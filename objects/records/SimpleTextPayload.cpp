#include "objects/records/SimpleTextPayload.h"

namespace brelvane {

TSimpleTextPayload::TSimpleTextPayload() {
    Caption = "New SimpleText";
}

void TSimpleTextPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
