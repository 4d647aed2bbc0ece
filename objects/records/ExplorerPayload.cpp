#include "objects/records/ExplorerPayload.h"

namespace brelvane {

void TExplorerPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

void TExplorerPlaceholderPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

TExplorerFields* ExplorerFieldsOf(TPayload* payload) {
    if (auto* running = dynamic_cast<TExplorerPayload*>(payload)) return running;
    return dynamic_cast<TExplorerPlaceholderPayload*>(payload);
}

} // namespace brelvane
