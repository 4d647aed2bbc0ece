#include "objects/records/EditPayload.h"

namespace brelvane {

void TEditPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
