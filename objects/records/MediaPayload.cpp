#include "objects/records/MediaPayload.h"

namespace brelvane {

void TMediaPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
