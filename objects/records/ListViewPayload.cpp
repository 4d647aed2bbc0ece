#include "objects/records/ListViewPayload.h"

namespace brelvane {

const TListBoxItem* TListViewPayload::SelectedItem() const {
    return ItemAt(Items, SelectedIndex);
}

void TListViewPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
