#include "dialogs/MenuEditorForm.h"

#include "dialogs/DialogsFixture.h"
#include "dialogs/ItemActionPanel.h"
#include "objects/records/ShortCommand.h"
#include "storage/ErrorReport.h"
#include "storage/StorageTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TMenuItem MenuItem(const std::string& caption, std::uint8_t actionType = 0,
                   std::vector<TMenuItem> items = {}) {
    TMenuItem item;
    item.Caption = caption;
    TCommand command;
    command.ActionType = actionType;
    command.ActionFile = caption;
    EXPECT_TRUE(EncodeShortCommand(command, item.Hint));
    item.Items = std::move(items);
    return item;
}

// File (Open, Save As (Text, Picture)), Help (About).
std::vector<TMenuItem> SampleMenu() {
    return {MenuItem("&File", 0,
                     {MenuItem("&Open", 1),
                      MenuItem("Save &As", 0, {MenuItem("Text", 16), MenuItem("Picture", 13)})}),
            MenuItem("&Help", 0, {MenuItem("&About", 16)})};
}

std::string Outline(const std::vector<TMenuItem>& items) {
    std::string text;
    for (const auto& item : items) {
        text += item.Caption;
        if (!item.Items.empty()) text += "(" + Outline(item.Items) + ")";
        text += " ";
    }
    return text;
}

struct MenuEditorTest : DialogsFixture, ::testing::Test {
    std::unique_ptr<TMenuEditorForm> Form;
    MenuEditorTest() {
        std::vector<TMenuEditorForm::TLoaded> nodes;
        EXPECT_TRUE(LoadMenuNodes(SampleMenu(), nodes));
        Form = std::make_unique<TMenuEditorForm>(nullptr, Context, std::move(nodes));
    }
    QTreeWidgetItem* Root(int i) const { return Form->Tree()->topLevelItem(i); }
    std::string Result() const {
        std::vector<TMenuItem> items;
        EXPECT_TRUE(Form->Result(items));
        return Outline(items);
    }
};

TEST_F(MenuEditorTest, CaptionsLoseTheirAmpersandsAndKeepThemOff) {
    EXPECT_EQ(Form->windowTitle(), "Menu Editor");
    EXPECT_EQ(Root(0)->text(0), "File");
    EXPECT_EQ(Root(0)->child(1)->text(0), "Save As");
    EXPECT_EQ(Result(), "File(Open Save As(Text Picture ) ) Help(About ) ");
}

TEST_F(MenuEditorTest, WithoutASelectionOnlyAddRootWorks) {
    EXPECT_TRUE(Form->AddRootButton()->isEnabled());
    EXPECT_FALSE(Form->AddSubButton()->isEnabled());
    EXPECT_FALSE(Form->DeleteButton()->isEnabled());
    EXPECT_FALSE(Form->CaptionEdit()->isEnabled());
    EXPECT_FALSE(Form->ShortCutBox()->isEnabled());
    EXPECT_FALSE(Form->ActionPanel()->ActionList()->isEnabled());
    Form->Tree()->setCurrentItem(Root(1));
    EXPECT_TRUE(Form->AddSubButton()->isEnabled());
    EXPECT_TRUE(Form->CaptionEdit()->isEnabled());
}

TEST_F(MenuEditorTest, AddRootAddSubAndDeleteWithTheSubtree) {
    Form->AddRootButton()->click();
    EXPECT_EQ(Form->Tree()->currentItem(), Root(2));
    EXPECT_EQ(Root(2)->text(0), "NewItem");
    Form->Tree()->setCurrentItem(Root(0)->child(1));
    Form->AddSubButton()->click();
    EXPECT_EQ(Form->Tree()->currentItem(), Root(0)->child(1)->child(2));
    EXPECT_EQ(Result(), "File(Open Save As(Text Picture NewItem ) ) Help(About ) NewItem ");
    Form->Tree()->setCurrentItem(Root(0)->child(1));
    Form->DeleteButton()->click();
    EXPECT_EQ(Result(), "File(Open ) Help(About ) NewItem ");
    EXPECT_TRUE(Form->Modified());
}

TEST_F(MenuEditorTest, ADraggedNodeTakesItsChildrenInFrontOfTheTarget) {
    auto* saveAs = Root(0)->child(1);
    EXPECT_TRUE(Form->Tree()->MoveNode(saveAs, Root(1)->child(0)));
    EXPECT_EQ(Result(), "File(Open ) Help(Save As(Text Picture ) About ) ");
    EXPECT_EQ(Form->Tree()->currentItem(), saveAs);
    EXPECT_TRUE(Form->Modified());
    // Onto itself or into its own subtree: nothing moves.
    EXPECT_FALSE(Form->Tree()->MoveNode(saveAs, saveAs));
    EXPECT_FALSE(Form->Tree()->MoveNode(saveAs, saveAs->child(0)));
    EXPECT_TRUE(Form->Tree()->MoveNode(Root(1), Root(0)));
    EXPECT_EQ(Result(), "Help(Save As(Text Picture ) About ) File(Open ) ");
}

TEST_F(MenuEditorTest, CaptionShortCutAndActionAreWrittenBack) {
    auto* open = Root(0)->child(0);
    Form->Tree()->setCurrentItem(open);
    EXPECT_EQ(Form->ShortCutBox()->currentText(), "");
    EXPECT_EQ(Form->ActionPanel()->ActionList()->currentText(), "Open/Run File");
    QTest::keyClicks(Form->CaptionEdit(), " File");
    EXPECT_EQ(open->text(0), "Open File");
    Form->ShortCutBox()->setCurrentIndex(Form->ShortCutBox()->findText("Shift+Ctrl+F1"));
    auto* actions = Form->ActionPanel()->ActionList();
    actions->setCurrentIndex(actions->findText("Show Message"));
    Form->ActionPanel()->FileBox()->lineEdit()->setText("Hi");
    std::vector<TMenuItem> items;
    ASSERT_TRUE(Form->Result(items));
    const auto& written = items[0].Items[0];
    EXPECT_EQ(written.Caption, "Open File");
    EXPECT_EQ(written.ShortCut, 0x6070);
    TCommand command;
    ASSERT_TRUE(DecodeShortCommand(written.Hint, command));
    EXPECT_EQ(command.ActionType, 16);
    EXPECT_EQ(command.ActionFile, "Hi");
    // Shown back through the reverse conversion; other text is no shortcut.
    Form->Tree()->setCurrentItem(Root(1));
    Form->Tree()->setCurrentItem(open);
    EXPECT_EQ(Form->ShortCutBox()->currentText(), "Shift+Ctrl+F1");
    Form->ShortCutBox()->setEditText("Ctrl+Nothing");
    ASSERT_TRUE(Form->Result(items));
    EXPECT_EQ(items[0].Items[0].ShortCut, 0);
}

TEST_F(MenuEditorTest, EntryWritesBackOnlyAnAcceptedChange) {
    auto menu = SampleMenu();
    menu[0].Items[0].Enabled = false;
    const auto before = menu;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditMenuItems(nullptr, Context, menu));
    EXPECT_EQ(menu, before);
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TMenuEditorForm*>(dialog);
        form->AddRootButton()->click();
        form->accept();
    });
    ASSERT_TRUE(EditMenuItems(nullptr, Context, menu));
    EXPECT_EQ(Outline(menu), "File(Open Save As(Text Picture ) ) Help(About ) NewItem ");
    // What the editor does not show stays with the item.
    EXPECT_FALSE(menu[0].Items[0].Enabled);
    EXPECT_EQ(menu[0].Items[0].Hint, before[0].Items[0].Hint);
}

TEST_F(MenuEditorTest, ADamagedItemIsReportedOnceAndTheMenuKept) {
    auto menu = SampleMenu();
    menu[1].Items[0].Bitmap.Kind = TPictureKind::Png;
    menu[1].Items[0].Bitmap.Data = {7, 7, 7};
    const auto before = menu;
    ErrorCollector errors;
    EXPECT_FALSE(EditMenuItems(nullptr, Context, menu));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find("/1056)"), std::string::npos) << errors.Messages()[0];
    EXPECT_EQ(menu, before);
}

} // namespace
} // namespace brelvane
