#include "dialogs/ViewItemsForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/DialogsFixture.h"
#include "dialogs/ItemActionPanel.h"
#include "dialogs/StreamCopy.h"
#include "storage/ErrorReport.h"
#include "storage/StorageTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TListBoxItem Item(const std::string& caption) {
    TListBoxItem item;
    item.Caption = caption;
    item.Icon = test::SamplePicture(TPictureKind::Png);
    item.SubItems = caption + " size\r\n";
    return item;
}

TTreeNode Node(const std::string& caption, std::vector<TTreeNode> children = {}) {
    TTreeNode node;
    node.Item = Item(caption);
    node.Nodes = std::move(children);
    return node;
}

std::vector<std::string> Captions(const std::vector<TListBoxItem>& items) {
    std::vector<std::string> captions;
    for (const auto& item : items)
        captions.push_back(item.Caption);
    return captions;
}

struct ViewItemsTest : DialogsFixture, ::testing::Test {};

// A caption typed with letters beyond ASCII.
QString TypedCaption() {
    return QString::fromUtf8("Gr\xc3\xb6\xc3\x9f"
                             "e \xe2\x82\xac");
}

TViewItemsForm::TAssociated OpenLevels(int levels) {
    TViewItemsForm::TAssociated associated;
    associated.ExpandLevels = levels;
    return associated;
}

TEST_F(ViewItemsTest, ListViewModeShowsTheMemoAndHidesTheTreeControls) {
    TViewItemsForm form(nullptr, Context, std::vector<TListBoxItem>{Item("A"), Item("B")},
                        QSize(32, 32));
    EXPECT_EQ(form.windowTitle(), "ListView Item Editor");
    EXPECT_TRUE(form.AddRootButton()->isHidden());
    EXPECT_TRUE(form.AssociatedButton()->isHidden());
    EXPECT_FALSE(form.SubItemsMemo()->isHidden());
    form.View()->setCurrentItem(form.View()->topLevelItem(1));
    EXPECT_EQ(form.SubItemsMemo()->toPlainText(), "B size\n");
    EXPECT_FALSE(form.Modified());
    form.SubItemsMemo()->setPlainText("B size\nB kind");
    form.DefaultIconButton()->click();
    form.AddButton()->click();
    const auto items = form.Items();
    EXPECT_EQ(Captions(items), (std::vector<std::string>{"A", "B", "New Item"}));
    EXPECT_EQ(items[1].SubItems, "B size\r\nB kind\r\n");
    EXPECT_TRUE(items[1].Icon.Empty());
    EXPECT_FALSE(items[0].Icon.Empty());
    EXPECT_EQ(form.View()->currentItem(), form.View()->topLevelItem(2));
}

TEST_F(ViewItemsTest, LinkedItemsCannotBeDeletedNorRenamed) {
    TTreeNode child;
    auto linked = Item("Linked");
    linked.TreeNode = &child;
    TViewItemsForm form(nullptr, Context, std::vector<TListBoxItem>{linked, Item("Free")},
                        QSize(32, 32));
    form.View()->setCurrentItem(form.View()->topLevelItem(0));
    EXPECT_FALSE(form.CaptionEdit()->isEnabled());
    EXPECT_FALSE(form.ActionPanel()->ActionList()->isEnabled());
    EXPECT_TRUE(form.DefaultIconButton()->isEnabled());
    EXPECT_TRUE(form.SubItemsMemo()->isEnabled());
    form.DeleteButton()->click();
    EXPECT_EQ(Messages.Shown,
              (std::vector<std::string>{"Delete Item: Can not delete the item that is associated "
                                        "with a TreeVeiw item."}));
    EXPECT_EQ(Captions(form.Items()), (std::vector<std::string>{"Linked", "Free"}));
    EXPECT_FALSE(form.Modified());
    form.ClearButton()->click();
    EXPECT_EQ(Captions(form.Items()), (std::vector<std::string>{"Linked"}));
}

TEST_F(ViewItemsTest, ANodesAssociatedListFollowsAddsAndDeletes) {
    TViewItemsForm form(nullptr, Context, std::vector<TTreeNode>{Node("Root", {Node("Kid")})},
                        QSize(18, 18), {});
    EXPECT_EQ(form.windowTitle(), "TreeView Item Editor");
    EXPECT_FALSE(form.AddRootButton()->isHidden());
    EXPECT_TRUE(form.SubItemsMemo()->isHidden());
    auto* root = form.View()->topLevelItem(0);
    form.View()->setCurrentItem(root);
    form.AddButton()->click();
    // The list was empty: the earlier child gets its entry first.
    EXPECT_EQ(Captions(form.Nodes()[0].Item.AssociatedItems),
              (std::vector<std::string>{"Kid", "New Item"}));
    form.View()->setCurrentItem(root);
    form.AddButton()->click();
    EXPECT_EQ(form.Nodes()[0].Item.AssociatedItems.size(), 3u);
    form.View()->setCurrentItem(root->child(0));
    form.DeleteButton()->click();
    const auto nodes = form.Nodes();
    ASSERT_EQ(nodes[0].Nodes.size(), 2u);
    EXPECT_EQ(Captions(nodes[0].Item.AssociatedItems),
              (std::vector<std::string>{"New Item", "New Item"}));
    form.View()->setCurrentItem(nullptr);
    form.AddButton()->click();
    form.AddRootButton()->click();
    EXPECT_EQ(form.Nodes().size(), 3u);
    form.ClearButton()->click();
    EXPECT_TRUE(form.Nodes().empty());
}

TEST_F(ViewItemsTest, WithoutAnAssociatedListViewTheNestedEditorStillOpens) {
    auto root = Node("Root", {Node("Kid")});
    root.Item.AssociatedItems = {Item("Kid entry"), Item("Extra")};
    TViewItemsForm form(nullptr, Context, std::vector<TTreeNode>{root}, QSize(18, 18), {});
    form.View()->setCurrentItem(form.View()->topLevelItem(0));
    bool linkedFirst = false;
    OnNextDialog([&linkedFirst](QWidget* dialog) {
        auto* nested = static_cast<TViewItemsForm*>(dialog);
        EXPECT_EQ(nested->windowTitle(), "ListView Item Editor");
        nested->View()->setCurrentItem(nested->View()->topLevelItem(0));
        linkedFirst = !nested->CaptionEdit()->isEnabled();
        nested->View()->setCurrentItem(nested->View()->topLevelItem(1));
        nested->DeleteButton()->click();
        nested->accept();
    });
    form.AssociatedButton()->click();
    EXPECT_EQ(Messages.Shown, (std::vector<std::string>{
                                  "Associated ListView: The TreeView has no Associated ListView, "
                                  "you can set the AssociatedListView property of the TreeView."}));
    EXPECT_TRUE(linkedFirst);
    const auto nodes = form.Nodes();
    EXPECT_EQ(Captions(nodes[0].Item.AssociatedItems), (std::vector<std::string>{"Kid entry"}));
    EXPECT_EQ(nodes[0].Item.AssociatedItems[0].TreeNode, nullptr);
    EXPECT_TRUE(form.Modified());
}

TEST_F(ViewItemsTest, WriteBackKeepsThePlaceAndOkWithoutAChangeWritesNothing) {
    TTreeViewPayload tree;
    tree.Nodes = {Node("Root", {Node("Kid")})};
    tree.Left = 10;
    tree.Width = 150;
    const auto before = tree.Nodes;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditTreeViewItems(nullptr, Context, tree, nullptr));
    EXPECT_EQ(tree.Nodes, before);
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TViewItemsForm*>(dialog);
        form->AddRootButton()->click();
        form->accept();
    });
    ASSERT_TRUE(EditTreeViewItems(nullptr, Context, tree, nullptr));
    EXPECT_EQ(tree.Nodes.size(), 2u);
    EXPECT_EQ(tree.Nodes[0], before[0]);
    EXPECT_EQ(tree.Left, 10);
    EXPECT_EQ(tree.Width, 150);

    TListViewPayload view;
    view.Items = {Item("A")};
    view.Items[0].Icon.Data.resize(5);
    ErrorCollector errors;
    EXPECT_FALSE(EditListViewItems(nullptr, Context, view));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find("/1056)"), std::string::npos) << errors.Messages()[0];
}

TEST_F(ViewItemsTest, NodesChangedByEveryEditorAreWrittenBackAsTheStoredFormKeepsThem) {
    // The nodes are moved back without a second stream copy: whatever each
    // editor leaves in a node must already be what a saved page reads back.
    TTreeViewPayload tree;
    tree.ExpandLevels = 1;
    tree.Left = 7;
    tree.Height = 90;
    tree.AssociatedListView = "Files";
    tree.Nodes = {Node("Root", {Node("Kid", {Node("Deep")})}), Node("Other")};
    tree.Nodes[1].Item.AssociatedItems = {Item("Entry")};
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TViewItemsForm*>(dialog);
        auto* view = form->View();
        auto* root = view->topLevelItem(0);
        view->setCurrentItem(root);
        form->CaptionEdit()->setText(TypedCaption());
        emit form->CaptionEdit()->textEdited(form->CaptionEdit()->text());
        form->ActionPanel()->ActionList()->setCurrentIndex(3);
        form->ActionPanel()->FileBox()->setEditText(
            QString::fromUtf8("Dossier \xc3\xa9t\xc3\xa9.txt"));
        form->DefaultIconButton()->click();
        // Below the open levels: the waiting child gets a sibling.
        view->setCurrentItem(root->child(0));
        form->AddButton()->click();
        view->setCurrentItem(view->topLevelItem(1));
        OnNextDialog([](QWidget* nested) {
            auto* items = static_cast<TViewItemsForm*>(nested);
            items->AddButton()->click();
            items->accept();
        });
        form->AssociatedButton()->click();
        form->AddRootButton()->click();
        form->accept();
    });
    ASSERT_TRUE(EditTreeViewItems(nullptr, Context, tree, nullptr));

    const auto& root = tree.Nodes[0];
    EXPECT_EQ(root.Item.Caption, StoredText(TypedCaption()));
    EXPECT_TRUE(root.Item.Icon.Empty());
    EXPECT_NE(root.Item.Command, Node("Root").Item.Command);
    EXPECT_EQ(root.Item.Command.ActionFile,
              StoredText(QString::fromUtf8("Dossier \xc3\xa9t\xc3\xa9.txt")));
    ASSERT_EQ(root.Nodes[0].Nodes.size(), 2u);
    EXPECT_EQ(root.Nodes[0].Nodes[0].Item.Caption, "Deep");
    EXPECT_EQ(Captions(tree.Nodes[1].Item.AssociatedItems),
              (std::vector<std::string>{"Entry", "New Item"}));
    ASSERT_EQ(tree.Nodes.size(), 3u);
    EXPECT_EQ(tree.Left, 7);
    EXPECT_EQ(tree.Height, 90);
    EXPECT_EQ(tree.AssociatedListView, "Files");

    TTreeViewPayload reread;
    ASSERT_TRUE(CopyRecord(tree, reread));
    EXPECT_EQ(reread.Nodes, tree.Nodes);
    EXPECT_EQ(test::Stored(WriteTreeViewPayload, reread), test::Stored(WriteTreeViewPayload, tree));
}

TEST_F(ViewItemsTest, TheTreeOpensAsTheObjectShowsItAndADamagedNodeStopsIt) {
    TViewItemsForm form(nullptr, Context,
                        std::vector<TTreeNode>{Node("Root", {Node("Kid", {Node("Grandchild")})})},
                        QSize(18, 18), OpenLevels(1));
    auto* root = form.View()->topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_FALSE(root->child(0)->isExpanded());
    EXPECT_EQ(form.Nodes()[0].Nodes[0].Nodes[0].Item.Caption, "Grandchild");

    TTreeViewPayload tree;
    tree.Nodes = {Node("Root", {Node("Kid"), Node("Broken")})};
    tree.Nodes[0].Nodes[1].Item.Icon.Data.resize(5);
    const auto before = tree.Nodes;
    ErrorCollector errors;
    // Nothing opens: a dialog would wait here for ever.
    EXPECT_FALSE(EditTreeViewItems(nullptr, Context, tree, nullptr));
    EXPECT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(tree.Nodes, before);
}

TEST_F(ViewItemsTest, RowsBelowTheOpenLevelsAppearWhenTheirParentOpens) {
    const std::vector<TTreeNode> nodes{
        Node("Root", {Node("Kid", {Node("Grandchild", {Node("Great")})}), Node("Second")})};
    TViewItemsForm form(nullptr, Context, nodes, QSize(18, 18), OpenLevels(1));
    auto* kid = form.View()->topLevelItem(0)->child(0);
    // Not yet a row, yet the node shows it has children and keeps them.
    EXPECT_EQ(kid->childCount(), 0);
    EXPECT_EQ(kid->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(form.View()->topLevelItem(0)->child(1)->childIndicatorPolicy(),
              QTreeWidgetItem::DontShowIndicatorWhenChildless);
    EXPECT_EQ(form.Nodes(), nodes);

    kid->setExpanded(true);
    ASSERT_EQ(kid->childCount(), 1);
    EXPECT_EQ(kid->child(0)->text(0), "Grandchild");
    EXPECT_EQ(kid->child(0)->childCount(), 0);
    EXPECT_EQ(form.Nodes(), nodes);
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.TakeNodes(), nodes);
}

TEST_F(ViewItemsTest, AddingUnderAClosedNodeKeepsItsWaitingChildrenFirst) {
    TViewItemsForm form(nullptr, Context,
                        std::vector<TTreeNode>{Node("Root", {Node("Kid", {Node("Grandchild")})})},
                        QSize(18, 18), OpenLevels(0));
    auto* root = form.View()->topLevelItem(0);
    EXPECT_EQ(root->childCount(), 0);
    form.View()->setCurrentItem(root);
    form.AddButton()->click();
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->text(0), "Kid");
    EXPECT_EQ(root->child(1)->text(0), "New Item");
    const auto nodes = form.Nodes();
    EXPECT_EQ(Captions(nodes[0].Item.AssociatedItems),
              (std::vector<std::string>{"Kid", "New Item"}));
    ASSERT_EQ(nodes[0].Nodes[0].Nodes.size(), 1u);
    EXPECT_EQ(nodes[0].Nodes[0].Nodes[0].Item.Caption, "Grandchild");
}

TEST_F(ViewItemsTest, ADamagedNodeBelowTheOpenLevelsIsStillReportedOnce) {
    TTreeViewPayload tree;
    tree.ExpandLevels = 1;
    tree.Nodes = {Node("Root", {Node("Kid", {Node("Fine"), Node("Broken")})}), Node("Last")};
    tree.Nodes[0].Nodes[0].Nodes[1].Item.Icon.Data.resize(5);
    const auto before = tree.Nodes;
    ErrorCollector errors;
    EXPECT_FALSE(EditTreeViewItems(nullptr, Context, tree, nullptr));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find("/1056)"), std::string::npos) << errors.Messages()[0];
    EXPECT_EQ(tree.Nodes, before);
}

} // namespace
} // namespace brelvane
