#pragma once

#include "objects/records/ListItem.h"
#include "objects/records/Payload.h"
#include "storage/FontBlock.h"

namespace brelvane {

enum : int {
    kWriteTreeNodeError = 1090,
    kReadTreeNodeError = 1091,
    kWriteTreeViewError = 1094,
    kReadTreeViewError = 1095,
};

// Trees nest no deeper than this when read, and the writer refuses deeper
// ones too so that every saved page loads again; a deeper stream is damage
// (it would otherwise recurse without bound).
inline constexpr int kMaxTreeDepth = 64;

// One node of a tree view: its item (with the associated items) and its
// child nodes.
struct TTreeNode {
    TListBoxItem Item;
    std::vector<TTreeNode> Nodes;

    bool operator==(const TTreeNode&) const = default;
};

// The fewest bytes a stored node takes: its item and its child count.
inline constexpr std::uint64_t kMinNodeBytes = MinItemBytes(kNodeItem) + 4;

template <class Archive> bool Fields(Archive& ar, TTreeNode& node);

namespace detail {
inline constexpr TRecordCodes kNodeCodes{kWriteTreeNodeError, kReadTreeNodeError};

// Nodes of one parent, depth first; each level deeper counts against the limit.
template <class Archive>
bool NodeList(Archive& ar, std::vector<TTreeNode>& nodes, const TRecordCodes* codes) {
    const auto node = [](auto& archive, TTreeNode& entry) {
        if constexpr (requires { archive.Depth(); }) {
            TNestingGuard nesting(archive.Depth(), kMaxTreeDepth);
            return Fields(archive, entry);
        } else {
            return Fields(archive, entry);
        }
    };
    return ar("Nodes", BoundedList(nodes, kMinNodeBytes, node, codes));
}
} // namespace detail

// A node's child count and children report failures with the node codes.
template <class Archive> bool Fields(Archive& ar, TTreeNode& node) {
    return Fields(ar, node.Item, kNodeItem) &&
           detail::NodeList(ar, node.Nodes, &detail::kNodeCodes);
}

// A node in the tree's flat order (parents before their children) and its
// level, 0 for top-level nodes.
struct TFlatNode {
    const TTreeNode* Node;
    int Level;
};
std::vector<TFlatNode> FlatNodes(const std::vector<TTreeNode>& nodes);

// Kind 23.
struct TTreeViewPayload : TPayloadOf<TTreeViewPayload> {
    static constexpr TRecordCodes Codes{kWriteTreeViewError, kReadTreeViewError};
    std::int16_t CursorNumber = 0;
    TFont Font;
    std::uint8_t Border = lbSingle;
    std::int32_t Color = clWindow;
    // The image cell; the designer shows and edits these values less 2.
    std::int32_t IconWidth = 18;
    std::int32_t IconHeight = 18;
    bool HotTrack = true;
    bool ShowRoot = true;
    // Nodes of a level below this start expanded.
    std::int32_t ExpandLevels = 1;
    // The Name of the ListView object that shows the selected node's items.
    std::string AssociatedListView;
    std::vector<TTreeNode> Nodes;
    // The selected node's position in the flat order, -1 for none; run time
    // only, kept up to date by the control.
    std::int32_t SelectedIndex = -1;

    // The selected node, or null.
    const TTreeNode* SelectedNode() const;
    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TTreeViewPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && ar("Border", payload.Border) && ar("Color", payload.Color) &&
           ar("IconWidth", payload.IconWidth) && ar("IconHeight", payload.IconHeight) &&
           ar("HotTrack", payload.HotTrack) && ar("ShowRoot", payload.ShowRoot) &&
           ar("ExpandLevels", payload.ExpandLevels) &&
           ar("AssociatedListView", payload.AssociatedListView) &&
           detail::NodeList(ar, payload.Nodes, nullptr) && Bounds(ar, payload);
}

inline constexpr auto WriteTreeViewPayload = &WriteRecord<TTreeViewPayload>;
inline constexpr auto ReadTreeViewPayload = &ReadRecord<TTreeViewPayload>;

} // namespace brelvane
