#include "objects/records/ItemListPayloads.h"

namespace brelvane {

const TListBoxItem* TItemList::SelectedItem() const {
    return ItemAt(Items, SelectedIndex);
}

void TListBoxPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

void TDropDownListPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
