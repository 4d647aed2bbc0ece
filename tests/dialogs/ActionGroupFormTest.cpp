#include "dialogs/ActionGroupForm.h"

#include "dialogs/ActionEditorForm.h"
#include "dialogs/DialogsFixture.h"
#include "objects/records/ActionArguments.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

const std::string kTwoCommands = "4\x03"
                                 "1\x03\\ding.wav\x03\x03\x03 \x04"
                                 "17\x03"
                                 "1\x03\\a\x01\x03\x03\x03 \x04";

struct ActionGroupTest : DialogsFixture, ::testing::Test {};

TEST_F(ActionGroupTest, RowsShowActionNamesAndSettingsState) {
    TActionGroupForm form(nullptr, Context, ParseActionGroup(kTwoCommands).Commands);
    auto* list = form.List();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Play Sound");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "\\ding.wav");
    EXPECT_EQ(list->topLevelItem(1)->text(0), "Copy File(s) then Open/Run");
    EXPECT_EQ(list->topLevelItem(1)->text(1), "[Settings]");
    EXPECT_EQ(list->headerItem()->text(1), "Settings");
    EXPECT_EQ(list->columnWidth(0), 170);
    EXPECT_EQ(form.Text(), kTwoCommands);
}

TEST_F(ActionGroupTest, ButtonsFollowSelectionAndContent) {
    TActionGroupForm form(nullptr, Context, ParseActionGroup(kTwoCommands).Commands);
    EXPECT_FALSE(form.EditButton()->isEnabled());
    EXPECT_FALSE(form.DeleteButton()->isEnabled());
    EXPECT_TRUE(form.ClearButton()->isEnabled());
    form.List()->setCurrentItem(form.List()->topLevelItem(0));
    EXPECT_TRUE(form.EditButton()->isEnabled());
    form.DeleteButton()->click();
    ASSERT_EQ(form.List()->topLevelItemCount(), 1);
    EXPECT_EQ(form.List()->topLevelItem(0)->text(0), "Copy File(s) then Open/Run");
    form.ClearButton()->click();
    EXPECT_EQ(form.List()->topLevelItemCount(), 0);
    EXPECT_FALSE(form.ClearButton()->isEnabled());
    EXPECT_EQ(form.Text(), "");
}

TEST_F(ActionGroupTest, AddKeepsOnlyACommandTheEditorChanged) {
    TActionGroupForm form(nullptr, Context, {});
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    form.AddButton()->click();
    EXPECT_EQ(form.List()->topLevelItemCount(), 0);
    OnNextDialog([](QWidget* dialog) {
        auto* editor = static_cast<TActionEditorForm*>(dialog);
        editor->ActionList()->setCurrentIndex(editor->ActionList()->findText("Show Message"));
        editor->FileBox()->lineEdit()->setText("Hi");
        editor->accept();
    });
    form.AddButton()->click();
    ASSERT_EQ(form.List()->topLevelItemCount(), 1);
    EXPECT_EQ(form.List()->topLevelItem(0)->text(1), "Hi");
    EXPECT_EQ(form.Text(), "16\x03"
                           "1\x03Hi\x03\x03\x03 \x04");
}

TEST_F(ActionGroupTest, EntryReportsOnlyAChangedText) {
    std::string text = kTwoCommands;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditActionGroup(nullptr, Context, text));
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TActionGroupForm*>(dialog);
        form->List()->setCurrentItem(form->List()->topLevelItem(1));
        form->DeleteButton()->click();
        form->reject();
    });
    EXPECT_FALSE(EditActionGroup(nullptr, Context, text));
    EXPECT_EQ(text, kTwoCommands);
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TActionGroupForm*>(dialog);
        form->List()->setCurrentItem(form->List()->topLevelItem(1));
        form->DeleteButton()->click();
        form->accept();
    });
    EXPECT_TRUE(EditActionGroup(nullptr, Context, text));
    EXPECT_EQ(text, "4\x03"
                    "1\x03\\ding.wav\x03\x03\x03 \x04");
}

TEST_F(ActionGroupTest, ANonNumericTypeGivesOneMessageAndNoChange) {
    std::string text = "x\x03"
                       "1\x03\x03\x03\x03 \x04";
    const auto original = text;
    EXPECT_FALSE(EditActionGroup(nullptr, Context, text));
    EXPECT_EQ(text, original);
    EXPECT_EQ(Messages.Shown,
              (std::vector<std::string>{"Error: 'x' is not a valid integer value"}));
}

} // namespace
} // namespace brelvane
