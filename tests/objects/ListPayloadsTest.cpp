#include "objects/ListTestSupport.h"
#include "objects/records/ItemListPayloads.h"
#include "objects/records/ListViewPayload.h"
#include "objects/records/ShellPayloads.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

Bytes ItemsBytes(const std::vector<TListBoxItem>& items, TItemForm form) {
    Bytes bytes = Int32Bytes(static_cast<std::int32_t>(items.size()));
    for (const auto& item : items) {
        const auto one = ItemBytes(item, form);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

TEST(ItemListPayloads, DefaultsAreThoseOfANewObject) {
    const TListBoxPayload box;
    const TDropDownListPayload drop;
    for (const TItemList* list :
         {static_cast<const TItemList*>(&box), static_cast<const TItemList*>(&drop)}) {
        EXPECT_EQ(list->IconWidth, 16);
        EXPECT_EQ(list->IconHeight, 16);
        EXPECT_EQ(list->ItemHeight, 19);
        EXPECT_EQ(list->SelectedIndex, -1);
        EXPECT_TRUE(list->Items.empty());
    }
    EXPECT_EQ(box.Border, lbSingle);
    EXPECT_EQ(box.Color, clWindow);
    EXPECT_EQ(drop.DropDownCount, 8);
    EXPECT_EQ(drop.Color, clWindow);
}

TEST(ItemListPayloads, ListBoxLayoutHoldsPlainItems) {
    TListBoxPayload p;
    Place(p);
    p.Border = lbNone;
    p.ItemHeight = 24;
    p.IconWidth = 20;
    p.IconHeight = 22;
    p.Items = {SampleItem("Install"), SampleItem("Browse")};
    p.SelectedIndex = 1;
    const auto bytes = Stored(WriteListBoxPayload, p);
    EXPECT_EQ(bytes, Concat({Int16Bytes(-3), StringBytes("choose"), FontBytes(p.Font), U8Bytes(0),
                             Int32Bytes(0x00FFEEDD), Int32Bytes(24), Int32Bytes(20), Int32Bytes(22),
                             ItemsBytes(p.Items, kPlainItem), Int32Bytes(1), BoundsBytes(p)}));
    const auto back = ReadExactly<TListBoxPayload>(bytes, ReadListBoxPayload, WriteListBoxPayload);
    ASSERT_EQ(back.Items.size(), 2u);
    EXPECT_EQ(back.Items[1].Caption, "Browse");
    // Sub-items are not part of a list box item.
    EXPECT_TRUE(back.Items[1].SubItems.empty());
    EXPECT_EQ(back.SelectedItem(), &back.Items[1]);
}

TEST(ItemListPayloads, DropDownLayoutEndsWithItsRowCount) {
    TDropDownListPayload p;
    Place(p);
    p.Items = {SampleItem("One")};
    p.SelectedIndex = 0;
    p.DropDownCount = 3;
    const auto bytes = Stored(WriteDropDownListPayload, p);
    EXPECT_EQ(bytes, Concat({Int16Bytes(-3), StringBytes("choose"), FontBytes(p.Font),
                             Int32Bytes(0x00FFEEDD), Int32Bytes(19), Int32Bytes(16), Int32Bytes(16),
                             ItemsBytes(p.Items, kPlainItem), Int32Bytes(0), Int32Bytes(3),
                             BoundsBytes(p)}));
    const auto back =
        ReadExactly<TDropDownListPayload>(bytes, ReadDropDownListPayload, WriteDropDownListPayload);
    EXPECT_EQ(back.DropDownCount, 3);
    EXPECT_EQ(back.Items.front().Command.ActionFile, "One chosen");
}

TEST(ItemListPayloads, ASelectedIndexOutsideTheItemsSelectsNothing) {
    TListBoxPayload p;
    p.Items = {SampleItem("Only")};
    for (const std::int32_t index : {-1, 1, -7, 1000}) {
        p.SelectedIndex = index;
        EXPECT_EQ(p.SelectedItem(), nullptr) << index;
    }
}

TEST(ItemListPayloadDamage, ItemsReadBeforeAFailureStay) {
    TListBoxPayload p;
    p.Items = {SampleItem("First"), SampleItem("Second"), SampleItem("Third")};
    const auto bytes = Stored(WriteListBoxPayload, p);
    // Cut inside the third item's caption length.
    const std::size_t itemsAt = 2 + 4 + FontBytes(p.Font).size() + 1 + 4 + 12 + 4;
    const std::size_t cut = itemsAt + ItemBytes(p.Items[0], kPlainItem).size() +
                            ItemBytes(p.Items[1], kPlainItem).size() + 2;
    TMemoryStream stream(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
    TListBoxPayload back;
    back.Items = {SampleItem("Old")};
    ErrorCollector errors;
    EXPECT_FALSE(ReadListBoxPayload(stream, back));
    ExpectOneError(errors, kReadStringError);
    ASSERT_EQ(back.Items.size(), 2u);
    EXPECT_EQ(back.Items[0].Caption, "First");
    EXPECT_EQ(back.Items[1].Caption, "Second");
}

TEST(ItemListPayloadDamage, CountsAndIntegersFailWithTheKindsCode) {
    const TListBoxPayload box;
    auto boxBytes = Stored(WriteListBoxPayload, box);
    // Cut inside ItemHeight, just after the colour.
    const std::size_t itemHeightAt = 2 + 4 + FontBytes(box.Font).size() + 1 + 4;
    ExpectReadFails<TListBoxPayload>(ReadListBoxPayload,
                                     Bytes(boxBytes.begin(), boxBytes.begin() + itemHeightAt + 2),
                                     kReadListBoxError);
    // An item count far beyond what the stream holds fails at once.
    auto huge = boxBytes;
    const auto count = Int32Bytes(0x7fffffff);
    std::copy(count.begin(), count.end(), huge.begin() + itemHeightAt + 12);
    ExpectReadFails<TListBoxPayload>(ReadListBoxPayload, huge, kReadListBoxError);

    auto dropBytes = Stored(WriteDropDownListPayload, TDropDownListPayload{});
    dropBytes.resize(dropBytes.size() - 18); // inside DropDownCount
    ExpectReadFails<TDropDownListPayload>(ReadDropDownListPayload, dropBytes,
                                          kReadDropDownListError);

    ExpectWriteFails<TListBoxPayload>(WriteListBoxPayload, 0, kWriteListBoxError);
    ExpectWriteFails<TDropDownListPayload>(WriteDropDownListPayload, 0, kWriteDropDownListError);
}

Bytes ColumnBytes(const TListColumn& c) {
    return Concat({U8Bytes(c.Alignment), U8Bytes(c.AutoSize ? 1 : 0), StringBytes(c.Caption),
                   Int32Bytes(c.ImageIndex), Int32Bytes(c.MaxWidth), Int32Bytes(c.MinWidth),
                   Int32Bytes(c.Tag), Int32Bytes(c.Width)});
}

TListViewPayload SampleListView() {
    TListViewPayload p;
    Place(p);
    p.IconWidth = 24;
    p.IconHeight = 20;
    p.HotTrack = true;
    p.HotTrackStyles = htUnderlineCold | htUnderlineHot;
    TListColumn name;
    name.Caption = "Name";
    name.Width = 120;
    TListColumn size;
    size.Caption = "Size";
    size.Alignment = caRight;
    size.AutoSize = true;
    size.ImageIndex = 2;
    size.MinWidth = 30;
    size.MaxWidth = 90;
    size.Tag = 7;
    p.Columns = {name, size};
    p.Items = {SampleItem("Setup"), SampleItem("Manual")};
    p.ReportGridLines = true;
    p.HideSelection = true;
    p.ReportRowSelect = true;
    p.SortType = stText;
    p.ViewStyle = vsReport;
    return p;
}

TEST(ListViewPayload, DefaultsAreThoseOfANewObject) {
    const TListViewPayload p;
    EXPECT_EQ(p.IconWidth, 32);
    EXPECT_EQ(p.IconHeight, 32);
    EXPECT_FALSE(p.HotTrack);
    EXPECT_EQ(p.HotTrackStyles, htHandPoint | htUnderlineHot);
    EXPECT_FALSE(p.ColumnClick);
    EXPECT_TRUE(p.ShowColumnHeaders);
    EXPECT_EQ(p.SortType, stNone);
    EXPECT_EQ(p.ViewStyle, vsIcon);
    EXPECT_FALSE(p.ReportGridLines);
    EXPECT_FALSE(p.ReportRowSelect);
    EXPECT_FALSE(p.HideSelection);
    const TListColumn column;
    EXPECT_EQ(column.ImageIndex, -1);
    EXPECT_EQ(column.Width, 50);
}

Bytes ListViewBytes(const TListViewPayload& p, std::uint8_t columnClick, std::uint8_t showHeaders) {
    return Concat({Int16Bytes(p.CursorNumber),
                   StringBytes(p.Hint),
                   FontBytes(p.Font),
                   U8Bytes(p.Border),
                   Int32Bytes(p.Color),
                   Int32Bytes(p.IconWidth),
                   Int32Bytes(p.IconHeight),
                   U8Bytes(p.HotTrack ? 1 : 0),
                   U8Bytes(p.HotTrackStyles),
                   Int32Bytes(static_cast<std::int32_t>(p.Columns.size())),
                   ColumnBytes(p.Columns[0]),
                   ColumnBytes(p.Columns[1]),
                   ItemsBytes(p.Items, kReportItem),
                   U8Bytes(columnClick),
                   U8Bytes(p.ReportGridLines ? 1 : 0),
                   U8Bytes(p.HideSelection ? 1 : 0),
                   U8Bytes(p.ReportRowSelect ? 1 : 0),
                   U8Bytes(showHeaders),
                   U8Bytes(p.SortType),
                   U8Bytes(p.ViewStyle),
                   BoundsBytes(p)});
}

TEST(ListViewPayload, LayoutWithColumnsAndReportItems) {
    const auto p = SampleListView();
    const auto bytes = Stored(WriteListViewPayload, p);
    EXPECT_EQ(bytes, ListViewBytes(p, 0, 1));
    const auto back =
        ReadExactly<TListViewPayload>(bytes, ReadListViewPayload, WriteListViewPayload);
    EXPECT_EQ(back.Columns, p.Columns);
    ASSERT_EQ(back.Items.size(), 2u);
    EXPECT_EQ(back.Items[1].SubItems, "Manual size\r\nManual kind\r\n");
    EXPECT_EQ(back.ViewStyle, vsReport);
    EXPECT_EQ(back.SortType, stText);
    EXPECT_EQ(back.HotTrackStyles, htUnderlineCold | htUnderlineHot);
}

// The stored ColumnClick and ShowColumnHeaders bytes are skipped: the
// control's own values stay and are what is written again.
TEST(ListViewPayload, ReadKeepsTheControlsColumnClickAndHeaders) {
    const auto p = SampleListView();
    const auto stored = ListViewBytes(p, 1, 0);
    const auto back = ReadBack<TListViewPayload>(stored, ReadListViewPayload);
    EXPECT_FALSE(back.ColumnClick);
    EXPECT_TRUE(back.ShowColumnHeaders);
    // The neighbouring bytes are taken as stored.
    EXPECT_TRUE(back.ReportGridLines);
    EXPECT_EQ(back.SortType, stText);
    EXPECT_EQ(Stored(WriteListViewPayload, back), ListViewBytes(p, 0, 1));
}

TEST(ListViewPayloadDamage, ReadFailuresCarryTheReadCodeOfTheReversedPair) {
    const auto p = SampleListView();
    const auto bytes = Stored(WriteListViewPayload, p);
    const std::size_t iconWidthAt =
        2 + StringBytes(p.Hint).size() + FontBytes(p.Font).size() + 1 + 4;
    // Cut inside the image cell width: one box with 1092.
    ExpectReadFails<TListViewPayload>(ReadListViewPayload,
                                      Bytes(bytes.begin(), bytes.begin() + iconWidthAt + 1),
                                      kReadListViewError);
    EXPECT_EQ(kReadListViewError, 1092);
    // A column's caption longer than the stream: the String block reports
    // inside the column, so the column count was believable.
    const std::size_t columnAt = iconWidthAt + 4 + 4 + 1 + 1 + 4;
    auto longCaption = bytes;
    const auto length = Int32Bytes(0x7fffffff);
    std::copy(length.begin(), length.end(),
              longCaption.begin() + static_cast<std::ptrdiff_t>(columnAt + 2));
    ExpectReadFails<TListViewPayload>(ReadListViewPayload, longCaption, kReadStringError);
    // Cut inside a column's own integers, its caption long enough for the count
    // to be believable: the column's code.
    auto wide = p;
    wide.Columns = {TListColumn{}};
    wide.Columns[0].Caption = std::string(40, 'c');
    const auto wideBytes = Stored(WriteListViewPayload, wide);
    const std::size_t imageIndexAt = columnAt + 2 + StringBytes(wide.Columns[0].Caption).size();
    ExpectReadFails<TListViewPayload>(
        ReadListViewPayload, Bytes(wideBytes.begin(), wideBytes.begin() + imageIndexAt + 2),
        kReadListColumnError);
    // A negative column count belongs to the payload.
    auto negative = bytes;
    const auto minus = Int32Bytes(-2);
    std::copy(minus.begin(), minus.end(),
              negative.begin() + static_cast<std::ptrdiff_t>(columnAt - 4));
    ExpectReadFails<TListViewPayload>(ReadListViewPayload, negative, kReadListViewError);
    // Cut in the trailing flags.
    ExpectReadFails<TListViewPayload>(ReadListViewPayload, Bytes(bytes.begin(), bytes.end() - 18),
                                      kReadListViewError);

    ExpectWriteFails<TListViewPayload>(WriteListViewPayload, 0, kWriteListViewError);
    EXPECT_EQ(kWriteListViewError, 1093);
    // Room for the first column's flags and caption, not for its integers.
    ExpectWriteFails(WriteListViewPayload, columnAt + 2 + StringBytes("Name").size() + 1,
                     kWriteListColumnError, p);
}

TEST(ShellPayloads, DefaultsAndLayouts) {
    TShellComboBoxPayload combo;
    EXPECT_EQ(combo.DropDownCount, 8);
    Place(combo);
    combo.DropDownCount = 5;
    combo.Root = "\\Docs";
    combo.ShellTreeView = "ShellTreeView1";
    const auto comboBytes = Stored(WriteShellComboBoxPayload, combo);
    EXPECT_EQ(comboBytes, Concat({Int16Bytes(-3), StringBytes("choose"), FontBytes(combo.Font),
                                  Int32Bytes(combo.Color), Int32Bytes(5), StringBytes("\\Docs"),
                                  StringBytes("ShellTreeView1"), BoundsBytes(combo)}));
    EXPECT_EQ(ReadExactly<TShellComboBoxPayload>(comboBytes, ReadShellComboBoxPayload,
                                                 WriteShellComboBoxPayload)
                  .ShellTreeView,
              "ShellTreeView1");

    TShellTreeViewPayload tree;
    EXPECT_TRUE(tree.HotTrack);
    Place(tree);
    tree.Border = lbNone;
    tree.HotTrack = false;
    tree.Root = "\\";
    tree.ShellListView = "Files";
    const auto treeBytes = Stored(WriteShellTreeViewPayload, tree);
    EXPECT_EQ(treeBytes, Concat({Int16Bytes(-3), StringBytes("choose"), FontBytes(tree.Font),
                                 U8Bytes(0), Int32Bytes(tree.Color), U8Bytes(0), StringBytes("\\"),
                                 StringBytes("Files"), BoundsBytes(tree)}));
    EXPECT_EQ(ReadExactly<TShellTreeViewPayload>(treeBytes, ReadShellTreeViewPayload,
                                                 WriteShellTreeViewPayload)
                  .ShellListView,
              "Files");

    TShellListViewPayload list;
    EXPECT_FALSE(list.HotTrack);
    EXPECT_EQ(list.HotTrackStyles, htHandPoint | htUnderlineHot);
    EXPECT_EQ(list.ViewStyle, vsIcon);
    Place(list);
    list.HotTrack = true;
    list.HotTrackStyles = htHandPoint;
    list.ViewStyle = vsReport;
    list.Root = "\\Docs\\";
    const auto listBytes = Stored(WriteShellListViewPayload, list);
    EXPECT_EQ(listBytes, Concat({Int16Bytes(-3), StringBytes("choose"), FontBytes(list.Font),
                                 U8Bytes(1), Int32Bytes(list.Color), U8Bytes(1), U8Bytes(1),
                                 U8Bytes(3), StringBytes("\\Docs\\"), BoundsBytes(list)}));
    EXPECT_EQ(ReadExactly<TShellListViewPayload>(listBytes, ReadShellListViewPayload,
                                                 WriteShellListViewPayload)
                  .ViewStyle,
              vsReport);
}

TEST(ShellPayloadDamage, CutIntegersFailWithEachKindsCode) {
    auto combo = Stored(WriteShellComboBoxPayload, TShellComboBoxPayload{});
    combo.resize(2 + 4 + FontBytes(TFont{}).size() + 4 + 2); // inside DropDownCount
    ExpectReadFails<TShellComboBoxPayload>(ReadShellComboBoxPayload, combo,
                                           kReadShellComboBoxError);
    auto tree = Stored(WriteShellTreeViewPayload, TShellTreeViewPayload{});
    tree.resize(tree.size() - 3);
    ExpectReadFails<TShellTreeViewPayload>(ReadShellTreeViewPayload, tree, kReadShellTreeViewError);
    auto list = Stored(WriteShellListViewPayload, TShellListViewPayload{});
    list.resize(2 + 4 + FontBytes(TFont{}).size() + 1 + 2); // inside Color
    ExpectReadFails<TShellListViewPayload>(ReadShellListViewPayload, list, kReadShellListViewError);

    ExpectWriteFails<TShellComboBoxPayload>(WriteShellComboBoxPayload, 0, kWriteShellComboBoxError);
    ExpectWriteFails<TShellTreeViewPayload>(WriteShellTreeViewPayload, 0, kWriteShellTreeViewError);
    ExpectWriteFails<TShellListViewPayload>(WriteShellListViewPayload, 0, kWriteShellListViewError);
}

} // namespace
} // namespace brelvane::test
