#include "objects/records/AviPayload.h"

namespace brelvane {

void TAviPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
