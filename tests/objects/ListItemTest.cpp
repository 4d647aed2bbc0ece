#include "objects/ListTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(ListItem, NewItemHasEmptyPartsAndANewCommand) {
    const TListBoxItem item;
    EXPECT_TRUE(item.Caption.empty());
    EXPECT_TRUE(item.Icon.Empty());
    EXPECT_EQ(item.Command, TCommand{});
    EXPECT_EQ(item.Command.ShowCommand, 1);
    EXPECT_TRUE(item.SubItems.empty());
    EXPECT_TRUE(item.AssociatedItems.empty());
    EXPECT_EQ(item.TreeNode, nullptr);
}

// The three forms of the table: plain items, items with sub-items, items
// with sub-items and children.
TEST(ListItem, EachFormStoresExactlyItsPartsAndReadsBack) {
    TListBoxItem item = SampleItem("Setup");
    item.AssociatedItems = {SampleItem("Readme", 1), SampleItem("Licence", 5)};
    for (const bool children : {false, true}) {
        for (const bool subItems : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "children " << children << " sub-items " << subItems);
            const TItemForm form{children, subItems};
            TMemoryStream stream;
            ASSERT_TRUE(WriteListItem(stream, item, children, subItems));
            EXPECT_EQ(stream.Bytes(), ItemBytes(item, form));

            stream.Seek(0);
            TListBoxItem back;
            ErrorCollector errors;
            ASSERT_TRUE(ReadListItem(stream, back, children, subItems));
            EXPECT_TRUE(errors.Messages().empty());
            EXPECT_EQ(stream.Remaining(), 0u);
            EXPECT_EQ(back.Caption, "Setup");
            EXPECT_EQ(back.Icon, item.Icon);
            EXPECT_EQ(back.Command, item.Command);
            EXPECT_EQ(back.SubItems, subItems ? item.SubItems : "");
            ASSERT_EQ(back.AssociatedItems.size(), children ? 2u : 0u);
            if (children) {
                // Children carry the parent's sub-items setting and no children.
                EXPECT_EQ(back.AssociatedItems[1].Caption, "Licence");
                EXPECT_EQ(back.AssociatedItems[1].SubItems,
                          subItems ? "Licence size\r\nLicence kind\r\n" : "");
                EXPECT_EQ(back.AssociatedItems[1].Command.ActionType, 5);
            }
        }
    }
}

TEST(ListItem, TheTreeLinkIsNeverStored) {
    TTreeNode node;
    TListBoxItem linked = SampleItem("Linked");
    linked.TreeNode = &node;
    TListBoxItem unlinked = linked;
    unlinked.TreeNode = nullptr;
    TMemoryStream a;
    TMemoryStream b;
    ASSERT_TRUE(WriteListItem(a, linked, false, true));
    ASSERT_TRUE(WriteListItem(b, unlinked, false, true));
    EXPECT_EQ(a.Bytes(), b.Bytes());
}

// The count and the children are the item's own report boundary; a block
// inside a child reports with the block's own code.
TEST(ListItemDamage, ChildCountFailuresCarryTheItemCodeAndOneBox) {
    TListBoxItem item = SampleItem("Parent");
    item.AssociatedItems = {SampleItem("Child")};
    const auto whole = ItemBytes(item, kNodeItem);
    const auto read = [](TStream& s, TListBoxItem& i) { return ReadListItem(s, i, true, true); };
    const auto childStart = ItemBytes(SampleItem("Parent"), kReportItem).size();

    // Cut inside the count.
    ExpectReadFails<TListBoxItem>(read, Bytes(whole.begin(), whole.begin() + childStart + 2),
                                  kReadListItemError);
    // A negative count.
    auto negative = ItemBytes(SampleItem("Parent"), kReportItem);
    const auto minusOne = Int32Bytes(-1);
    negative.insert(negative.end(), minusOne.begin(), minusOne.end());
    ExpectReadFails<TListBoxItem>(read, negative, kReadListItemError);
    // A count the rest of the stream cannot hold fails before reading a child.
    auto huge = whole;
    const auto count = Int32Bytes(1000);
    std::copy(count.begin(), count.end(), huge.begin() + static_cast<std::ptrdiff_t>(childStart));
    ExpectReadFails<TListBoxItem>(read, huge, kReadListItemError);
    // A child's caption longer than the stream: the String block reports.
    auto longCaption = whole;
    const auto length = Int32Bytes(0x7fffffff);
    std::copy(length.begin(), length.end(),
              longCaption.begin() + static_cast<std::ptrdiff_t>(childStart + 4));
    ExpectReadFails<TListBoxItem>(read, longCaption, kReadStringError);
}

TEST(ListItemDamage, WriteFailuresInTheChildrenCarryTheItemCode) {
    TListBoxItem item;
    item.AssociatedItems = {TListBoxItem{}};
    const auto write = [](TStream& s, const TListBoxItem& i) {
        return WriteListItem(s, i, true, true);
    };
    const std::size_t ownParts = ItemBytes(TListBoxItem{}, kReportItem).size();
    // No room for the count.
    ExpectWriteFails(write, ownParts, kWriteListItemError, item);
    // Room for the count, none for the child's caption: its block reports.
    ExpectWriteFails(write, ownParts + 4, kWriteStringError, item);
}

TEST(ListItem, SubItemLinesSplitLikeAStringList) {
    EXPECT_EQ(SubItemLines(""), std::vector<std::string>{});
    EXPECT_EQ(SubItemLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SubItemLines("a\r\n\r\nc"), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(SubItemLines("a\nb\rc"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ListItem, TheSmallestItemsAreAsLongAsTheCountBoundAssumes) {
    // Strings all empty, the command in its older form without packed strings.
    const Bytes smallest = Concat({StringBytes(""), StringBytes(""), EmptyCommandBytes()});
    EXPECT_EQ(smallest.size(), MinItemBytes(kPlainItem));
    TMemoryStream stream(smallest);
    TListBoxItem back;
    EXPECT_TRUE(ReadListItem(stream, back, false, false));
    EXPECT_EQ(MinItemBytes(kNodeItem), smallest.size() + 8);
}

} // namespace
} // namespace brelvane::test
