#include "controls/ControlTestKit.h"
#include "objects/controls/AuItemList.h"
#include "objects/controls/AuListView.h"
#include "objects/controls/AuShellViews.h"
#include "objects/controls/AuTreeView.h"
#include "objects/controls/ListItemPainting.h"
#include "objects/records/ObjectKinds.h"
#include "storage/StorageTestSupport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

const QColor kBack(255, 255, 255);
const QColor kText(0, 0, 0);
const QColor kRed(255, 0, 0);

// The leftmost column holding a pixel that is not the background colour.
int FirstInkColumn(const QImage& image, const QRect& within) {
    for (int x = within.left(); x <= within.right(); ++x)
        for (int y = within.top(); y <= within.bottom(); ++y)
            if (image.pixelColor(x, y) != kBack) return x;
    return -1;
}

QImage ItemImage(const TItemMetrics& metrics, const QImage& icon, QRect rect, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBack);
    QPainter painter(&image);
    PaintListItem(painter, rect, metrics, icon, QStringLiteral("Item"), kBack, kText);
    return image;
}

TEST(ListItemPainting, AnEmptyIconStillIndentsTheCaption) {
    EnsureApplication();
    // m = (19 - 16) / 2 = 1: the caption starts at 16 + 2 + 1 = 19.
    const TItemMetrics metrics{19, 16, 16};
    const QImage image = ItemImage(metrics, QImage(), QRect(0, 0, 120, 19), QSize(120, 19));
    const int ink = FirstInkColumn(image, image.rect());
    ASSERT_GE(ink, 0) << "the caption was drawn";
    EXPECT_GE(ink, 19);
    EXPECT_LE(ink, 22);
}

TEST(ListItemPainting, ATallIconStartsAboveTheItem) {
    EnsureApplication();
    // m = (10 - 20) / 2 = -5: the icon's rectangle is (5, 25) to (25, 45) for
    // an item whose rectangle starts at (10, 30).
    const TItemMetrics metrics{10, 20, 20};
    QImage icon(20, 20, QImage::Format_ARGB32);
    icon.fill(kRed);
    const QImage image = ItemImage(metrics, icon, QRect(10, 30, 100, 10), QSize(120, 60));
    EXPECT_EQ(BoundsOf(image, kRed), QRect(5, 25, 20, 20));
    EXPECT_EQ(image.pixelColor(6, 26), kRed) << "above the item's top edge";
}

TEST(ListItemPainting, ATruncatedMarginMovesTowardZero) {
    EnsureApplication();
    // m = (19 - 22) / 2 = -1 (not -2): the icon starts one pixel up and left.
    const TItemMetrics metrics{19, 22, 22};
    QImage icon(22, 22, QImage::Format_ARGB32);
    icon.fill(kRed);
    const QImage image = ItemImage(metrics, icon, QRect(10, 10, 100, 19), QSize(120, 40));
    EXPECT_EQ(BoundsOf(image, kRed).topLeft(), QPoint(9, 9));
}

TEST(ListItemPainting, BitmapIconsAreKeyedAndDamagedOnesDrawNothing) {
    EnsureApplication();
    const QImage keyed = ScaledItemIcon(BmpPicture(4, 4, kRed, Qt::green), QSize(4, 4));
    ASSERT_FALSE(keyed.isNull());
    EXPECT_EQ(keyed.pixelColor(1, 1), kRed);
    EXPECT_EQ(keyed.pixelColor(0, 3).alpha(), 0) << "the corner colour is transparent";

    ErrorCollector errors;
    const TPicture damaged{TPictureKind::Png, {1, 2, 3}};
    EXPECT_TRUE(ScaledItemIcon(damaged, QSize(8, 8)).isNull());
    const QImage cell = ListIconCell(QSize(8, 8), kBack, &damaged, 0);
    EXPECT_EQ(DrawnBounds(cell, kBack), QRect()) << "neither icon nor frame";
}

TEST(AuListBox, ShowsTheCaptionsAndKeepsTheSelectionInTheRecord) {
    EnsureApplication();
    auto object = MakeObject(okListBox, 150, 100);
    auto& payload = PayloadOf<TListBoxPayload>(*object);
    payload.Items.resize(3);
    payload.Items[0].Caption = "One";
    payload.Items[1].Caption = "Two";
    payload.Items[2].Caption = "Three";
    payload.SelectedIndex = 1;
    TAuListBox box(*object, nullptr);
    ASSERT_EQ(box.List()->count(), 3);
    EXPECT_EQ(box.List()->item(2)->text(), "Three");
    EXPECT_EQ(box.List()->currentRow(), 1);
    box.List()->setCurrentRow(2);
    EXPECT_EQ(payload.SelectedIndex, 2);
    EXPECT_EQ(box.List()->visualItemRect(box.List()->item(1)).height(), payload.ItemHeight);
}

TEST(AuComboBox, ShowsItsRowCountWithoutTyping) {
    EnsureApplication();
    auto object = MakeObject(okDropDownList, 145, 25);
    auto& payload = PayloadOf<TDropDownListPayload>(*object);
    payload.Items.resize(12);
    payload.DropDownCount = 5;
    payload.SelectedIndex = 7;
    TAuComboBox combo(*object, nullptr);
    EXPECT_FALSE(combo.Combo()->isEditable());
    EXPECT_EQ(combo.Combo()->maxVisibleItems(), 5);
    EXPECT_EQ(combo.Combo()->currentIndex(), 7);
    combo.Combo()->setCurrentIndex(3);
    EXPECT_EQ(payload.SelectedIndex, 3);
}

TTreeNode IconNode(const std::string& caption, QColor colour,
                   std::vector<TTreeNode> children = {}) {
    TTreeNode node;
    node.Item.Caption = caption;
    if (colour.isValid()) node.Item.Icon = PngPicture(4, 4, colour);
    node.Nodes = std::move(children);
    return node;
}

TEST(AuListView, AnItemWithoutIconShowsItsNodesIconOrASilverFrame) {
    EnsureApplication();
    const TTreeNode node = IconNode("Linked", kRed);
    auto object = MakeObject(okListView, 200, 150);
    auto& payload = PayloadOf<TListViewPayload>(*object);
    payload.IconWidth = payload.IconHeight = 10;
    payload.Color = static_cast<std::int32_t>(0x00ffffff);
    payload.Items.resize(3);
    payload.Items[0].TreeNode = &node;
    payload.Items[1].Icon = PngPicture(2, 2, Qt::blue);
    payload.Items[1].TreeNode = &node;
    TAuListView view(*object, nullptr);
    ASSERT_EQ(view.Images().size(), 3u);
    EXPECT_EQ(view.Images()[0].pixelColor(5, 5), kRed) << "the node's icon";
    EXPECT_EQ(view.Images()[1].pixelColor(5, 5), QColor(Qt::blue)) << "its own icon wins";
    EXPECT_EQ(view.Images()[2].pixelColor(0, 0), QColor(192, 192, 192));
    EXPECT_EQ(view.Images()[2].pixelColor(9, 9), QColor(192, 192, 192));
    EXPECT_EQ(view.Images()[2].pixelColor(5, 5), kBack);
}

TEST(AuListView, ReportShowsColumnsSubItemsAndGridLines) {
    EnsureApplication();
    auto object = MakeObject(okListView, 300, 150);
    auto& payload = PayloadOf<TListViewPayload>(*object);
    payload.ViewStyle = vsReport;
    payload.ReportGridLines = true;
    payload.ReportRowSelect = true;
    payload.Columns.resize(3);
    payload.Columns[0].Caption = "Name";
    payload.Columns[2].Alignment = caRight;
    payload.Columns[2].Width = 70;
    payload.Items.resize(2);
    payload.Items[0].Caption = "Setup";
    payload.Items[0].SubItems = "Program\r\n2 MB\r\nignored\r\n";
    payload.Items[1].Caption = "Manual";
    TAuListView view(*object, nullptr);
    auto* table = dynamic_cast<QTableWidget*>(view.View());
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->showGrid());
    EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);
    ASSERT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Name");
    EXPECT_EQ(table->columnWidth(2), 70);
    EXPECT_EQ(table->item(0, 1)->text(), "Program");
    EXPECT_EQ(table->item(0, 2)->text(), "2 MB");
    EXPECT_TRUE(table->item(0, 2)->textAlignment() & Qt::AlignRight);
    EXPECT_EQ(table->item(1, 1), nullptr);
    EXPECT_FALSE(table->item(0, 0)->flags() & Qt::ItemIsEditable);

    // Sorted by text, the selection still names the stored item.
    payload.SortType = stText;
    view.Refresh();
    EXPECT_EQ(table->item(0, 0)->text(), "Manual");
    view.SelectItem(0);
    EXPECT_EQ(table->currentRow(), 1);
    EXPECT_EQ(payload.SelectedIndex, 0);
}

TEST(AuListView, IconStylesShareOneCellSize) {
    EnsureApplication();
    auto object = MakeObject(okListView, 200, 150);
    auto& payload = PayloadOf<TListViewPayload>(*object);
    payload.IconWidth = 24;
    payload.IconHeight = 20;
    payload.Items.resize(2);
    for (std::uint8_t style : {vsIcon, vsSmallIcon, vsList}) {
        payload.ViewStyle = style;
        TAuListView view(*object, nullptr);
        auto* list = dynamic_cast<QListWidget*>(view.View());
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->iconSize(), QSize(24, 20));
        EXPECT_EQ(list->viewMode(), style == vsIcon ? QListView::IconMode : QListView::ListMode);
        EXPECT_EQ(list->flow(), style == vsList ? QListView::TopToBottom : QListView::LeftToRight);
        EXPECT_EQ(list->count(), 2);
    }
}

class AuTreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        object = MakeObject(okTreeView, 200, 200);
        auto& payload = PayloadOf<TTreeViewPayload>(*object);
        payload.Color = static_cast<std::int32_t>(0x00ffffff);
        payload.IconWidth = payload.IconHeight = 10;
        payload.Nodes = {IconNode("A", kRed, {IconNode("A1", QColor(), {IconNode("A1x", kRed)})}),
                         IconNode("B", QColor())};
    }
    std::vector<bool> Expanded(TAuTreeView& tree) {
        std::vector<bool> states;
        for (const auto& flat : FlatNodes(PayloadOf<TTreeViewPayload>(*object).Nodes))
            states.push_back(tree.ItemOf(flat.Node)->isExpanded());
        return states;
    }
    std::unique_ptr<TAutoObject> object;
};

TEST_F(AuTreeViewTest, CellsAreInsetByOnePixel) {
    TAuTreeView tree(*object, nullptr);
    ASSERT_EQ(tree.Images().size(), 4u);
    EXPECT_EQ(tree.Images()[0].pixelColor(0, 0), kBack);
    EXPECT_EQ(tree.Images()[0].pixelColor(1, 1), kRed);
    EXPECT_EQ(tree.Images()[0].pixelColor(8, 8), kRed);
    EXPECT_EQ(tree.Images()[0].pixelColor(9, 9), kBack);
    // Without an icon: a silver frame along the inner rectangle.
    EXPECT_EQ(tree.Images()[1].pixelColor(1, 1), QColor(192, 192, 192));
    EXPECT_EQ(tree.Images()[1].pixelColor(0, 0), kBack);
    EXPECT_EQ(tree.Images()[1].pixelColor(5, 5), kBack);
    EXPECT_EQ(tree.Tree()->topLevelItem(0)->child(0)->text(0), "A1");
}

TEST_F(AuTreeViewTest, ExpandLevelsOpensTheLevelsAboveIt) {
    auto& payload = PayloadOf<TTreeViewPayload>(*object);
    payload.ExpandLevels = 0;
    {
        TAuTreeView tree(*object, nullptr);
        EXPECT_EQ(Expanded(tree), (std::vector<bool>{false, false, false, false}));
    }
    payload.ExpandLevels = 1;
    {
        TAuTreeView tree(*object, nullptr);
        // Flat order A, A1, A1x, B: both top-level nodes open, the rest closed.
        EXPECT_EQ(Expanded(tree), (std::vector<bool>{true, false, false, true}));
    }
    payload.ExpandLevels = 1000;
    TAuTreeView tree(*object, nullptr);
    EXPECT_EQ(Expanded(tree), (std::vector<bool>{true, true, true, true}));
}

TEST_F(AuTreeViewTest, SelectingReportsTheNodeAndAPressBesideTheCaptionClearsIt) {
    TAuTreeView tree(*object, nullptr);
    tree.resize(200, 200);
    tree.show();
    const auto& payload = PayloadOf<TTreeViewPayload>(*object);
    std::vector<const TTreeNode*> reported;
    QObject::connect(&tree, &TAuTreeView::NodeSelected,
                     [&](TAuTreeView*, const TTreeNode* node) { reported.push_back(node); });
    tree.SelectNode(&payload.Nodes[1]);
    EXPECT_EQ(payload.SelectedIndex, 3);
    EXPECT_EQ(payload.SelectedNode(), &payload.Nodes[1]);

    const QRect row = tree.Tree()->visualItemRect(tree.ItemOf(&payload.Nodes[1]));
    // On the caption: the selection stays.
    SendPress(*tree.Tree()->viewport(), QPoint(row.left() + 14, row.center().y()));
    EXPECT_EQ(payload.SelectedIndex, 3);
    // Far to the right of the caption: cleared.
    SendPress(*tree.Tree()->viewport(), QPoint(190, row.center().y()));
    EXPECT_EQ(payload.SelectedIndex, -1);
    ASSERT_GE(reported.size(), 2u);
    EXPECT_EQ(reported.front(), &payload.Nodes[1]);
    EXPECT_EQ(reported.back(), nullptr);
}

class ShellViews : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        std::filesystem::create_directories(base.File("Docs/Manual"));
        std::filesystem::create_directories(base.File("Other"));
    }
    std::string RootCaptionFor(const std::string& root, std::string* folder = nullptr) {
        auto object = MakeObject(okShellTreeView, 150, 150);
        PayloadOf<TShellTreeViewPayload>(*object).Root = root;
        TAuShellTreeView tree(*object, nullptr);
        tree.ApplyRoot(base.Path());
        if (folder) *folder = tree.RootFolder();
        return tree.Tree()->topLevelItem(0)->text(0).toStdString();
    }
    TempFolder base;
};

TEST_F(ShellViews, TheTreesRootIsCaptionedByItsRootText) {
    std::string folder;
    EXPECT_EQ(RootCaptionFor("\\Docs", &folder), "Docs");
    EXPECT_EQ(std::filesystem::path(folder), std::filesystem::path(base.File("Docs")));
    EXPECT_EQ(RootCaptionFor("\\Docs\\"), "Docs");
    EXPECT_EQ(RootCaptionFor("\\"), "CDROM");
    EXPECT_EQ(RootCaptionFor(""), "CDROM");
    // A missing root shows the base folder under its own text.
    EXPECT_EQ(RootCaptionFor("\\Missing", &folder), "Missing");
    EXPECT_EQ(folder, base.Path());
    // Climbing out of the base folder counts as missing.
    RootCaptionFor("\\..", &folder);
    EXPECT_EQ(folder, base.Path());
}

TEST_F(ShellViews, TheTreeListsFoldersAndDrivesItsListView) {
    auto treeObject = MakeObject(okShellTreeView, 150, 150);
    auto listObject = MakeObject(okShellListView, 150, 150);
    TAuShellTreeView tree(*treeObject, nullptr);
    TAuShellListView list(*listObject, nullptr);
    tree.ApplyRoot(base.Path());
    list.ApplyRoot(base.Path());
    EXPECT_EQ(list.ShownFolder(), base.Path());
    tree.LinkListView(&list);
    auto* root = tree.Tree()->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->text(0), "Docs");
    EXPECT_EQ(root->child(1)->text(0), "Other");
    tree.Tree()->setCurrentItem(root->child(0));
    EXPECT_EQ(std::filesystem::path(list.ShownFolder()), std::filesystem::path(base.File("Docs")));
    // Never a folder above the base folder.
    EXPECT_FALSE(list.ShowFolder(std::filesystem::path(base.Path()).parent_path().string()));
    EXPECT_EQ(std::filesystem::path(list.ShownFolder()), std::filesystem::path(base.File("Docs")));
}

TEST_F(ShellViews, TheDropDownListsTheRootAndItsFolders) {
    auto object = MakeObject(okShellComboBox, 150, 25);
    PayloadOf<TShellComboBoxPayload>(*object).Root = "\\Docs";
    PayloadOf<TShellComboBoxPayload>(*object).DropDownCount = 4;
    TAuShellComboBox combo(*object, nullptr);
    combo.ApplyRoot(base.Path());
    ASSERT_EQ(combo.Combo()->count(), 2);
    EXPECT_EQ(combo.Combo()->itemText(0), "Docs");
    EXPECT_EQ(combo.Combo()->itemText(1), "Manual");
    EXPECT_EQ(combo.Combo()->maxVisibleItems(), 4);
}

} // namespace
} // namespace brelvane::test
