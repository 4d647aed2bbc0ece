#include "objects/records/FlashPayload.h"

namespace brelvane {

void TFlashPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
