#include "objects/records/TreeViewPayload.h"

#include "objects/ListTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// A node's stored form: its item with children and sub-items, its child
// count, then its children the same way, depth first.
Bytes NodeBytes(const TTreeNode& node) {
    Bytes bytes = Concat({ItemBytes(node.Item, kNodeItem),
                          Int32Bytes(static_cast<std::int32_t>(node.Nodes.size()))});
    for (const auto& child : node.Nodes) {
        const auto more = NodeBytes(child);
        bytes.insert(bytes.end(), more.begin(), more.end());
    }
    return bytes;
}

Bytes TreeBytes(const TTreeViewPayload& p) {
    Bytes nodes = Int32Bytes(static_cast<std::int32_t>(p.Nodes.size()));
    for (const auto& node : p.Nodes) {
        const auto more = NodeBytes(node);
        nodes.insert(nodes.end(), more.begin(), more.end());
    }
    return Concat({Int16Bytes(p.CursorNumber), StringBytes(p.Hint), FontBytes(p.Font),
                   U8Bytes(p.Border), Int32Bytes(p.Color), Int32Bytes(p.IconWidth),
                   Int32Bytes(p.IconHeight), U8Bytes(p.HotTrack ? 1 : 0),
                   U8Bytes(p.ShowRoot ? 1 : 0), Int32Bytes(p.ExpandLevels),
                   StringBytes(p.AssociatedListView), nodes, BoundsBytes(p)});
}

TTreeViewPayload SampleTree() {
    TTreeViewPayload p;
    Place(p);
    p.IconWidth = 22;
    p.IconHeight = 20;
    p.HotTrack = false;
    p.ShowRoot = false;
    p.ExpandLevels = 2;
    p.AssociatedListView = "ListView1";
    p.Nodes = {SampleNode("Top", 2, {SampleNode("Child", 1, {SampleNode("Leaf", 0)})}),
               SampleNode("Second", 0)};
    return p;
}

// A chain of `depth` nodes, each the only child of the one before.
TTreeViewPayload ChainOf(int depth) {
    TTreeViewPayload p;
    std::vector<TTreeNode> level;
    for (int i = 0; i < depth; ++i) {
        TTreeNode node;
        node.Nodes = std::move(level);
        level = {std::move(node)};
    }
    p.Nodes = std::move(level);
    return p;
}

TEST(TreeViewPayload, DefaultsAreThoseOfANewObject) {
    const TTreeViewPayload p;
    EXPECT_EQ(p.IconWidth, 18);
    EXPECT_EQ(p.IconHeight, 18);
    EXPECT_EQ(p.ExpandLevels, 1);
    EXPECT_TRUE(p.ShowRoot);
    EXPECT_TRUE(p.HotTrack);
    EXPECT_EQ(p.Border, lbSingle);
    EXPECT_TRUE(p.AssociatedListView.empty());
    EXPECT_EQ(p.SelectedNode(), nullptr);
}

TEST(TreeViewPayload, NodesAreStoredDepthFirstAfterTheTopLevelCount) {
    const auto p = SampleTree();
    const auto bytes = Stored(WriteTreeViewPayload, p);
    EXPECT_EQ(bytes, TreeBytes(p));
    const auto back =
        ReadExactly<TTreeViewPayload>(bytes, ReadTreeViewPayload, WriteTreeViewPayload);
    EXPECT_EQ(back.Nodes, p.Nodes);
    EXPECT_EQ(back.AssociatedListView, "ListView1");

    const auto flat = FlatNodes(back.Nodes);
    ASSERT_EQ(flat.size(), 4u);
    EXPECT_EQ(flat[1].Node->Item.Caption, "Child");
    EXPECT_EQ(flat[1].Level, 1);
    EXPECT_EQ(flat[2].Node->Item.Caption, "Leaf");
    EXPECT_EQ(flat[2].Level, 2);
    EXPECT_EQ(flat[3].Node->Item.Caption, "Second");
    EXPECT_EQ(flat[3].Level, 0);
}

TEST(TreeViewPayload, SelectedIndexCountsInFlatOrder) {
    auto p = SampleTree();
    p.SelectedIndex = 2;
    ASSERT_NE(p.SelectedNode(), nullptr);
    EXPECT_EQ(p.SelectedNode()->Item.Caption, "Leaf");
    p.SelectedIndex = 4;
    EXPECT_EQ(p.SelectedNode(), nullptr);
}

TEST(TreeViewPayloadDamage, ChildCountsFailWithTheNodeCodes) {
    const auto p = SampleTree();
    auto bytes = Stored(WriteTreeViewPayload, p);
    // The first top-level node's child count follows its item.
    const std::size_t nodesAt =
        TreeBytes(p).size() - 16 - NodeBytes(p.Nodes[0]).size() - NodeBytes(p.Nodes[1]).size();
    const std::size_t childCountAt = nodesAt + ItemBytes(p.Nodes[0].Item, kNodeItem).size();
    auto huge = bytes;
    const auto count = Int32Bytes(100000);
    std::copy(count.begin(), count.end(), huge.begin() + static_cast<std::ptrdiff_t>(childCountAt));
    ExpectReadFails<TTreeViewPayload>(ReadTreeViewPayload, huge, kReadTreeNodeError);

    // The top-level count is the payload's own.
    auto top = bytes;
    const auto negative = Int32Bytes(-1);
    std::copy(negative.begin(), negative.end(),
              top.begin() + static_cast<std::ptrdiff_t>(nodesAt - 4));
    ExpectReadFails<TTreeViewPayload>(ReadTreeViewPayload, top, kReadTreeViewError);

    // Room for the first node's item, none for its child count.
    ExpectWriteFails(WriteTreeViewPayload, childCountAt + 2, kWriteTreeNodeError, p);
    ExpectWriteFails<TTreeViewPayload>(WriteTreeViewPayload, 1, kWriteTreeViewError);
}

TEST(TreeViewPayloadDamage, CutInOwnIntegersAndNodesReadBeforeAFailureStay) {
    const auto p = SampleTree();
    const auto bytes = Stored(WriteTreeViewPayload, p);
    const std::size_t iconWidthAt =
        2 + StringBytes(p.Hint).size() + FontBytes(p.Font).size() + 1 + 4;
    ExpectReadFails<TTreeViewPayload>(ReadTreeViewPayload,
                                      Bytes(bytes.begin(), bytes.begin() + iconWidthAt + 3),
                                      kReadTreeViewError);
    // Cut inside the bounds: the nodes have been read and stay.
    TMemoryStream stream(Bytes(bytes.begin(), bytes.end() - 2));
    ErrorCollector errors;
    TTreeViewPayload back;
    EXPECT_FALSE(ReadTreeViewPayload(stream, back));
    ExpectOneError(errors, kReadTreeViewError);
    EXPECT_EQ(back.Nodes, p.Nodes);
}

TEST(TreeViewPayloadDamage, TreesNestNoDeeperThanTheBound) {
    const auto deepest = ChainOf(kMaxTreeDepth);
    const auto bytes = Stored(WriteTreeViewPayload, deepest);
    EXPECT_EQ(FlatNodes(ReadBack<TTreeViewPayload>(bytes, ReadTreeViewPayload).Nodes).size(),
              static_cast<std::size_t>(kMaxTreeDepth));

    // One level more is refused when written ...
    const auto tooDeep = ChainOf(kMaxTreeDepth + 1);
    {
        TMemoryStream stream;
        ErrorCollector errors;
        EXPECT_FALSE(WriteTreeViewPayload(stream, tooDeep));
        ExpectOneError(errors, kWriteTreeNodeError);
    }
    // ... and is damage when read: the innermost node gets one child more.
    auto deeper = bytes;
    const std::size_t innermostCountAt = deeper.size() - 16 - 4;
    const auto one = Int32Bytes(1);
    std::copy(one.begin(), one.end(),
              deeper.begin() + static_cast<std::ptrdiff_t>(innermostCountAt));
    const auto extra = NodeBytes(TTreeNode{});
    deeper.insert(deeper.end() - 16, extra.begin(), extra.end());
    ExpectReadFails<TTreeViewPayload>(ReadTreeViewPayload, deeper, kReadTreeNodeError);
}

} // namespace
} // namespace brelvane::test
