#include "objects/records/ListLinks.h"

#include "objects/records/ItemListPayloads.h"
#include "objects/records/ListViewPayload.h"
#include "objects/records/ObjectKinds.h"

namespace brelvane {

TAutoObject* FindLinkedObject(TAutoObjects& objects, std::uint8_t kind, const std::string& name) {
    if (name.empty()) return nullptr;
    for (auto& object : objects)
        if (object->Kind == kind && object->Props.Name == name) return object.get();
    return nullptr;
}

bool AssociatedEntries(const TTreeNode* node, std::vector<TListBoxItem>& entries) {
    entries.clear();
    if (!node) return true;
    for (std::size_t j = 0; j < node->Item.AssociatedItems.size(); ++j) {
        TMemoryStream stream;
        if (!WriteListItem(stream, node->Item.AssociatedItems[j], false, true)) return false;
        stream.Seek(0);
        TListBoxItem copy;
        if (!ReadListItem(stream, copy, false, true)) return false;
        if (j < node->Nodes.size()) copy.TreeNode = &node->Nodes[j];
        entries.push_back(std::move(copy));
    }
    return true;
}

bool HasItemActions(std::uint8_t kind) {
    return kind >= okListBox && kind <= okTreeView;
}

TListClick ChooseListClick(const TAutoObject& object) {
    const auto* payload = object.Payload.get();
    if (const auto* list = dynamic_cast<const TItemList*>(payload)) {
        const auto* item = list->SelectedItem();
        return {item ? &item->Command : nullptr, nullptr};
    }
    if (const auto* view = dynamic_cast<const TListViewPayload*>(payload)) {
        const auto* item = view->SelectedItem();
        if (!item) return {&object.Props, nullptr};
        if (item->TreeNode) return {nullptr, item->TreeNode};
        return {&item->Command, nullptr};
    }
    if (const auto* tree = dynamic_cast<const TTreeViewPayload*>(payload)) {
        const auto* node = tree->SelectedNode();
        return {node ? &node->Item.Command : &object.Props, nullptr};
    }
    return {&object.Props, nullptr};
}

} // namespace brelvane
