#include "objects/records/ImagePayload.h"

namespace brelvane {

void TImagePayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
