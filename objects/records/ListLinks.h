#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/ListItem.h"
#include "objects/records/TreeViewPayload.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelvane {

// The first object of `kind` whose Name is exactly `name`; null for an
// empty name or when none matches (the link then stays unmade, silently).
TAutoObject* FindLinkedObject(TAutoObjects& objects, std::uint8_t kind, const std::string& name);

// What a list view shows while `node` is selected: a copy of each of its
// associated items, made through the item's stored form (with sub-items,
// without children); entry j stands for child node j while there is one.
// Null for no selected node gives no entries. False when a copy fails (it
// has been reported); the entries copied before it stay.
bool AssociatedEntries(const TTreeNode* node, std::vector<TListBoxItem>& entries);

// What a click on a list object runs (the list kinds' step of the click
// handler): the selected item's command; for a list view entry that stands
// for a tree node, that node to select instead; for a list view or tree view
// without a selection, the object's own properties. Nothing for a list box or
// drop-down list without a selected item.
struct TListClick {
    const TCommand* Command = nullptr;
    const TTreeNode* SelectNode = nullptr;
};
TListClick ChooseListClick(const TAutoObject& object);

// Whether `kind` is one of the four kinds whose items carry actions.
bool HasItemActions(std::uint8_t kind);

} // namespace brelvane
