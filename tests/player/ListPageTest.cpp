#include "objects/controls/AuItemList.h"
#include "objects/controls/AuListView.h"
#include "objects/controls/AuShellViews.h"
#include "objects/controls/AuTreeView.h"
#include "objects/records/ObjectKinds.h"
#include "player/ActionInterpreter.h"
#include "player/PlayerProject.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTreeWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TListBoxItem GotoItem(const std::string& caption, const std::string& page) {
    TListBoxItem item;
    item.Caption = caption;
    item.Command = Action(atGotoPage, page);
    return item;
}

TTreeNode NodeWith(const std::string& caption, std::vector<TListBoxItem> associated,
                   std::vector<TTreeNode> children = {}) {
    TTreeNode node;
    node.Item = GotoItem(caption, "Node " + caption);
    node.Item.Icon = {TPictureKind::None, {}};
    node.Item.AssociatedItems = std::move(associated);
    node.Nodes = std::move(children);
    return node;
}

template <class P> P& Added(TPageRecord& page, std::uint8_t kind, int left, int top) {
    return static_cast<P&>(*AddObjectRecord(page.Objects, kind, left, top)->Payload);
}

template <class Control> Control& ControlAt(TAutoRunForm& form, std::size_t index) {
    auto* control = dynamic_cast<Control*>(form.Page().Objects.at(index)->Control.get());
    EXPECT_NE(control, nullptr);
    return *control;
}

// A tree whose first node has two children and three associated items (the
// third without a child to stand for), a second node without items, and the
// list view it names; a list box; a list view linked to nothing.
class ListPage : public ::testing::Test {
protected:
    void SetUp() override {
        auto page = TestPage("Main", pkMainPage);
        auto& tree = Added<TTreeViewPayload>(page, okTreeView, 0, 0);
        tree.AssociatedListView = "ListView1";
        tree.Nodes = {
            NodeWith("Top",
                     {GotoItem("first", "First"), GotoItem("second", "Second"),
                      GotoItem("extra", "Extra")},
                     {NodeWith("Child", {GotoItem("inner", "Inner")}), NodeWith("Other", {})}),
            NodeWith("Bare", {})};
        Added<TListViewPayload>(page, okListView, 210, 0);
        auto& box = Added<TListBoxPayload>(page, okListBox, 0, 220);
        box.Items = {GotoItem("go", "Boxed"), GotoItem("close", "")};
        box.Items[1].Command.ActionType = atCloseWindow;
        auto& unlinked = Added<TTreeViewPayload>(page, okTreeView, 210, 220);
        unlinked.AssociatedListView = "listview1";
        unlinked.Nodes = {NodeWith("Alone", {GotoItem("x", "X")})};
        project.AddPage(page);
        ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
        form.show();
        QApplication::processEvents();
    }
    TAuTreeView& Tree() { return ControlAt<TAuTreeView>(form, 0); }
    TAuListView& List() { return ControlAt<TAuListView>(form, 1); }
    TAuListBox& Box() { return ControlAt<TAuListBox>(form, 2); }
    TListViewPayload& ListPayload() { return *List().PayloadAs<TListViewPayload>(); }
    TTreeViewPayload& TreePayload() { return *Tree().PayloadAs<TTreeViewPayload>(); }
    std::vector<std::string> ListCaptions() {
        std::vector<std::string> captions;
        for (const auto& item : ListPayload().Items)
            captions.push_back(item.Caption);
        return captions;
    }
    void Click(TObjectWidget& control) { emit control.Clicked(&control); }

    PlayerProject project;
    TAutoRunForm form;
};

TEST_F(ListPage, TheFirstNodeIsSelectedAfterLoadAndFillsTheListView) {
    EXPECT_EQ(TreePayload().SelectedIndex, 0);
    EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"first", "second", "extra"}));
    const auto& top = TreePayload().Nodes[0];
    EXPECT_EQ(ListPayload().Items[0].TreeNode, &top.Nodes[0]);
    EXPECT_EQ(ListPayload().Items[1].TreeNode, &top.Nodes[1]);
    EXPECT_EQ(ListPayload().Items[2].TreeNode, nullptr);
    EXPECT_EQ(List().Images().size(), 3u);
    // A tree whose list view name differs in case stays unlinked.
    EXPECT_EQ(ControlAt<TAuTreeView>(form, 3).PayloadAs<TTreeViewPayload>()->SelectedIndex, 0);
}

TEST_F(ListPage, ALinkedEntrySelectsItsNodeAndAnExtraOneRunsItsAction) {
    List().SelectItem(0);
    Click(List());
    EXPECT_FALSE(form.NavigationPending()) << "no action for a linked entry";
    EXPECT_EQ(TreePayload().SelectedNode(), &TreePayload().Nodes[0].Nodes[0]);
    EXPECT_EQ(ListCaptions(), std::vector<std::string>{"inner"});

    // Back on the top node, the entry without a child runs its own action.
    Tree().SelectNode(&TreePayload().Nodes[0]);
    List().SelectItem(2);
    Click(List());
    EXPECT_EQ(form.PendingPage(), "Extra");
}

TEST_F(ListPage, ANodeWithoutItemsEmptiesTheListView) {
    Tree().SelectNode(&TreePayload().Nodes[1]);
    EXPECT_TRUE(ListPayload().Items.empty());
    EXPECT_TRUE(List().Images().empty());
}

TEST_F(ListPage, TreeAndListViewClickWithoutSelectionRunTheObjectsOwnAction) {
    form.Page().Objects[0]->Props = Action(atGotoPage, "TreeOwn");
    Tree().SelectNode(nullptr);
    Click(Tree());
    EXPECT_EQ(form.PendingPage(), "TreeOwn");
    // With a node selected its command runs; Enter acts as the click.
    Tree().SelectNode(&TreePayload().Nodes[1]);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Tree().Tree(), &enter);
    EXPECT_EQ(form.PendingPage(), "Node Bare");
}

TEST_F(ListPage, AListBoxRunsTheSelectedItemAndNothingWithoutOne) {
    form.Page().Objects[2]->Props = Action(atGotoPage, "BoxOwn");
    Click(Box());
    EXPECT_FALSE(form.NavigationPending());
    Box().List()->setCurrentRow(0);
    Click(Box());
    EXPECT_EQ(form.PendingPage(), "Boxed");
}

TEST_F(ListPage, AnItemsCloseWindowClosesThePage) {
    ASSERT_TRUE(form.isVisible());
    Box().List()->setCurrentRow(1);
    Click(Box());
    QApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
}

TEST(ShellPage, ShellViewsShowTheirRootsAndTheTreeDrivesItsList) {
    PlayerProject project;
    std::filesystem::create_directories(project.File("Docs/Manual"));
    auto page = TestPage("Main", pkMainPage);
    auto& tree = Added<TShellTreeViewPayload>(page, okShellTreeView, 0, 0);
    tree.Root = "\\Docs";
    tree.ShellListView = "ShellListView1";
    Added<TShellListViewPayload>(page, okShellListView, 200, 0).Root = "\\Nowhere";
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    auto& shellTree = ControlAt<TAuShellTreeView>(form, 0);
    auto& shellList = ControlAt<TAuShellListView>(form, 1);
    auto* root = shellTree.Tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), "Docs");
    // A missing root shows the base folder.
    const auto shown = std::filesystem::path(shellList.ShownFolder());
    EXPECT_EQ(
        std::filesystem::canonical(shown),
        std::filesystem::canonical(std::filesystem::path(project.File("Docs")).parent_path()));
    ASSERT_EQ(root->childCount(), 1);
    shellTree.Tree()->setCurrentItem(root->child(0));
    EXPECT_EQ(std::filesystem::path(shellList.ShownFolder()).filename(), "Manual");
}

TEST(ShellPage, AShellViewAddedLaterShowsItsRootAtOnce) {
    PlayerProject project;
    std::filesystem::create_directories(project.File("Docs/Manual"));
    project.AddPage(TestPage("Main", pkMainPage));
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    auto* object = AddObjectRecord(form.Page().Objects, okShellTreeView, 0, 0);
    static_cast<TShellTreeViewPayload&>(*object->Payload).Root = "\\Docs";
    ASSERT_NE(form.AttachControl(*object), nullptr);
    auto* root = ControlAt<TAuShellTreeView>(form, 0).Tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), "Docs");
    ASSERT_EQ(root->childCount(), 1);
    EXPECT_EQ(root->child(0)->text(0), "Manual");
}

} // namespace
} // namespace brelvane::test
