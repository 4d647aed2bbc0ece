#include "dialogs/ItemActionPanel.h"

#include "dialogs/ActionGroupForm.h"
#include "dialogs/ActionTypes.h"
#include "dialogs/DialogsFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct ItemActionPanelTest : DialogsFixture, ::testing::Test {
    TItemActionPanel Panel{"Item Properties", nullptr, Context};
    int Edits = 0;
    ItemActionPanelTest() {
        QObject::connect(&Panel, &TItemActionPanel::Edited, [this] { ++Edits; });
    }
    void Choose(const char* name) {
        Panel.ActionList()->setCurrentIndex(Panel.ActionList()->findText(name));
    }
};

TEST_F(ItemActionPanelTest, OffersTheEditorsNamesAndTheGroupLast) {
    auto* list = Panel.ActionList();
    ASSERT_EQ(list->count(), kActionTypeCount);
    EXPECT_EQ(list->itemText(0), "None");
    EXPECT_EQ(list->itemText(5), "Copy File(s) then Open/Run");
    EXPECT_EQ(list->itemText(27), "Exit");
    EXPECT_EQ(list->itemText(28), "Action Group");
    EXPECT_EQ(list->maxVisibleItems(), 16);
    // Nothing shown: every control is off.
    EXPECT_FALSE(list->isEnabled());
    EXPECT_FALSE(Panel.FileBox()->isEnabled());
    EXPECT_FALSE(Panel.CloseAfter()->isEnabled());
}

TEST_F(ItemActionPanelTest, CloseAfterActionOnlyForTheTypesThatLeave) {
    for (int type = 0; type < kActionTypeCount; ++type) {
        TCommand command;
        command.ActionType = static_cast<std::uint8_t>(type);
        command.CloseAfterAction = 1;
        Panel.Show(&command);
        const bool allowed = type == 1 || type == 2 || type == 3 || type == 5 || type == 7 ||
                             (type >= 13 && type <= 17);
        EXPECT_EQ(Panel.CloseAfter()->isEnabled(), allowed) << type;
        EXPECT_EQ(Panel.CloseAfter()->isChecked(), allowed) << type;
    }
    TCommand sound;
    sound.ActionType = 4;
    Panel.Show(&sound);
    Panel.CloseAfter()->click();
    EXPECT_EQ(sound.CloseAfterAction, 0);
    EXPECT_EQ(Edits, 0);
}

TEST_F(ItemActionPanelTest, ShowingWritesNothingAndAnotherTypeClearsTheFields) {
    TCommand command;
    command.ActionType = 2;
    command.ActionFile = "http://example.org";
    command.ActionParams = "p";
    command.ActionDir = "\\d";
    command.ShowCommand = 3;
    command.CloseAfterAction = 1;
    const TCommand before = command;
    Panel.Show(&command);
    EXPECT_EQ(command, before);
    EXPECT_EQ(Panel.FileLabel()->text(), "WebSiteURL:");
    EXPECT_EQ(Panel.FileBox()->currentText(), "http://example.org");
    EXPECT_TRUE(Panel.CloseAfter()->isChecked());
    EXPECT_EQ(Edits, 0);

    Choose("Show Message");
    EXPECT_EQ(command.ActionType, 16);
    EXPECT_EQ(command.ActionFile, "");
    EXPECT_EQ(command.ActionParams, "");
    EXPECT_EQ(command.ActionDir, "");
    EXPECT_EQ(command.CloseAfterAction, 0);
    EXPECT_EQ(command.ShowCommand, 3);
    EXPECT_FALSE(Panel.CloseAfter()->isChecked());
    EXPECT_EQ(Panel.FileLabel()->text(), "Message:");
    Panel.FileBox()->lineEdit()->setText("Hello");
    EXPECT_EQ(command.ActionFile, "Hello");
    EXPECT_EQ(Edits, 2);
}

TEST_F(ItemActionPanelTest, TheGroupsEllipsisOpensTheGroupEditor) {
    TCommand command;
    Panel.Show(&command);
    Choose("Action Group");
    EXPECT_EQ(Panel.FileLabel()->text(), "Actions:");
    EXPECT_EQ(Panel.FileBox()->currentText(), "[None]");
    ASSERT_TRUE(Panel.BrowseButton()->isEnabled());
    OnNextDialog([](QWidget* dialog) {
        auto* group = qobject_cast<TActionGroupForm*>(dialog);
        ASSERT_NE(group, nullptr);
        OnNextDialog([](QWidget* editor) {
            auto* list = editor->findChild<QComboBox*>("ActionList");
            list->setCurrentIndex(list->findText("Exit"));
            static_cast<QDialog*>(editor)->accept();
        });
        group->AddButton()->click();
        group->accept();
    });
    Panel.BrowseButton()->click();
    EXPECT_EQ(command.ActionFile, "9\x03"
                                  "1\x03\x03\x03\x03 \x04");
    EXPECT_EQ(Panel.FileBox()->currentText(), "[Settings]");
}

} // namespace
} // namespace brelvane
