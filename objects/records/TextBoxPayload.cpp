#include "objects/records/TextBoxPayload.h"

namespace brelvane {

void TTextBoxPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

void TRichTextPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
