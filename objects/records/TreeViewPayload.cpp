#include "objects/records/TreeViewPayload.h"

namespace brelvane {

std::vector<TFlatNode> FlatNodes(const std::vector<TTreeNode>& nodes) {
    std::vector<TFlatNode> flat;
    // Depth first without recursion: the nodes still to visit, last first.
    std::vector<TFlatNode> pending;
    for (auto node = nodes.rbegin(); node != nodes.rend(); ++node)
        pending.push_back({&*node, 0});
    while (!pending.empty()) {
        const TFlatNode next = pending.back();
        pending.pop_back();
        flat.push_back(next);
        const auto& children = next.Node->Nodes;
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            pending.push_back({&*child, next.Level + 1});
    }
    return flat;
}

const TTreeNode* TTreeViewPayload::SelectedNode() const {
    if (SelectedIndex < 0) return nullptr;
    const auto flat = FlatNodes(Nodes);
    return static_cast<std::size_t>(SelectedIndex) < flat.size()
               ? flat[static_cast<std::size_t>(SelectedIndex)].Node
               : nullptr;
}

void TTreeViewPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
