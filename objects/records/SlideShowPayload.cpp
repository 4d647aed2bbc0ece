#include "objects/records/SlideShowPayload.h"

namespace brelvane {

void TSlideShowPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
