#include "objects/records/ShellPayloads.h"

namespace brelvane {

void TShellComboBoxPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

void TShellTreeViewPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

void TShellListViewPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
