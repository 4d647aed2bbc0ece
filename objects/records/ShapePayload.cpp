#include "objects/records/ShapePayload.h"

namespace brelvane {

void TShapePayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
