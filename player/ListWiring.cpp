#include "player/ListWiring.h"

#include "objects/controls/AuListView.h"
#include "objects/controls/AuShellViews.h"
#include "objects/controls/AuTreeView.h"
#include "objects/records/ListLinks.h"
#include "objects/records/ObjectKinds.h"

namespace brelvane {

namespace {
template <class Control> Control* ControlOf(TAutoObject* object) {
    return object ? dynamic_cast<Control*>(object->Control.get()) : nullptr;
}

// Fills the list view that the tree names with the selected node's items.
void FillAssociatedListView(TAutoObjects& objects, const TTreeViewPayload& tree,
                            const TTreeNode* node) {
    auto* listObject = FindLinkedObject(objects, okListView, tree.AssociatedListView);
    auto* list = ControlOf<TAuListView>(listObject);
    if (!list) return;
    auto* payload = list->PayloadAs<TListViewPayload>();
    AssociatedEntries(node, payload->Items);
    list->RebuildListIcons();
}
} // namespace

void ApplyShellRoot(TAutoObject& object, const std::string& baseFolder) {
    if (auto* combo = ControlOf<TAuShellComboBox>(&object)) combo->ApplyRoot(baseFolder);
    if (auto* tree = ControlOf<TAuShellTreeView>(&object)) tree->ApplyRoot(baseFolder);
    if (auto* list = ControlOf<TAuShellListView>(&object)) list->ApplyRoot(baseFolder);
}

void LinkListObjects(TAutoObjects& objects) {
    for (auto& object : objects) {
        if (auto* shellTree = ControlOf<TAuShellTreeView>(object.get())) {
            const auto* payload = shellTree->PayloadAs<TShellTreeViewPayload>();
            shellTree->LinkListView(ControlOf<TAuShellListView>(
                FindLinkedObject(objects, okShellListView, payload->ShellListView)));
        }
        auto* tree = ControlOf<TAuTreeView>(object.get());
        if (!tree) continue;
        QObject::connect(tree, &TAuTreeView::NodeSelected, tree,
                         [&objects](TAuTreeView* source, const TTreeNode* node) {
                             FillAssociatedListView(objects, *source->PayloadAs<TTreeViewPayload>(),
                                                    node);
                         });
        const auto* payload = tree->PayloadAs<TTreeViewPayload>();
        if (!payload->Nodes.empty()) tree->SelectNode(&payload->Nodes.front());
    }
}

const TCommand* ListClickCommand(TAutoObjects& objects, TAutoObject& object) {
    const TListClick click = ChooseListClick(object);
    if (!click.SelectNode) return click.Command;
    for (auto& other : objects)
        if (auto* tree = ControlOf<TAuTreeView>(other.get());
            tree && tree->HoldsNode(click.SelectNode))
            tree->SelectNode(click.SelectNode);
    return nullptr;
}

} // namespace brelvane
