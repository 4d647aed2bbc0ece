#include "dialogs/ActionEditorForm.h"

#include "dialogs/ActionTypes.h"
#include "dialogs/DialogsFixture.h"
#include "dialogs/ShowHideForm.h"
#include "objects/records/ObjectKinds.h"
#include "storage/ProjectIndex.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(ActionTypes, NamesCaptionsAndLookupByName) {
    EXPECT_EQ(ActionTypeName(17), "Copy File(s) then Open/Run");
    EXPECT_EQ(FileFieldCaption(1), "FileName(s)");
    EXPECT_EQ(FileFieldCaption(26), "Object/File");
    EXPECT_EQ(ActionTypeName(29), "");
    EXPECT_EQ(ActionTypeByName("Show/Hide Enable/Disable Objects"), 27);
    EXPECT_EQ(ActionTypeByName("Action Group"), 28);
    // Exact comparison: neither case nor blanks are forgiven.
    EXPECT_EQ(ActionTypeByName("exit"), 0);
    EXPECT_EQ(ActionTypeByName("Exit "), 0);
    for (int type = 0; type < kActionTypeCount; ++type)
        EXPECT_EQ(ActionTypeByName(ActionTypeName(type)), type);
}

TEST(ActionTypes, SettingsTypesShowOnlyWhetherTheyHaveSettings) {
    for (const int type : {1, 15, 17, 26, 27, 28}) {
        EXPECT_EQ(ShownFileField(type, ""), "[None]") << type;
        EXPECT_EQ(ShownFileField(type, "x\x01"), "[Settings]") << type;
    }
    EXPECT_EQ(ShownFileField(2, "http://example.org"), "http://example.org");
    EXPECT_EQ(ShownFileField(0, ""), "");
}

TEST(ActionTypes, TheEditorOffersEveryTypeButTheGroupOnce) {
    std::vector<bool> seen(kActionTypeCount, false);
    for (const int type : kOfferedActionTypes) {
        ASSERT_FALSE(seen[type]) << type;
        seen[type] = true;
    }
    EXPECT_FALSE(seen[kActionGroupType]);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), kActionTypeCount - 1);
}

struct ActionEditorTest : DialogsFixture, ::testing::Test {
    ActionEditorTest() {
        Context.PageName = "Products";
        Context.Pages = {{"Main", pkMainPage},
                         {"products", pkSubPage},
                         {"About", pkSubPage},
                         {"Splash", pkSplashScreen},
                         {"Contact", pkSubPage}};
        Context.Objects = {{okMediaPlayer, "Player1", ""},
                           {okButton, "Button1", "Menu"},
                           {okSlideShow, "Show1", ""}};
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
    static void Choose(TActionEditorForm& form, const char* name) {
        form.ActionList()->setCurrentIndex(form.ActionList()->findText(name));
    }
};

TEST_F(ActionEditorTest, ListsTheActionsInTheirOrderWithoutGroups) {
    TActionEditorForm form(nullptr, Context, TCommand{});
    const auto items = Items(form.ActionList());
    ASSERT_EQ(items.size(), 28);
    EXPECT_EQ(items.front(), "None");
    EXPECT_EQ(items[4], "Print Document");
    EXPECT_EQ(items[5], "Copy File(s) then Open/Run");
    EXPECT_EQ(items.back(), "Exit");
    EXPECT_FALSE(items.contains("Action Group"));
    EXPECT_EQ(form.ActionList()->maxVisibleItems(), 16);
}

TEST_F(ActionEditorTest, RefreshFollowsTheTypeOfTheCommand) {
    TCommand command;
    command.ActionType = 15;
    command.ActionFile = "\\pics\x01Y\x01";
    TActionEditorForm settings(nullptr, Context, command);
    EXPECT_EQ(settings.ActionList()->currentText(), "Launch Slide Show");
    EXPECT_EQ(settings.FileLabel()->text(), "Folder:");
    EXPECT_EQ(settings.FileBox()->currentText(), "[Settings]");
    EXPECT_FALSE(settings.FileBox()->isEnabled());
    EXPECT_TRUE(settings.BrowseButton()->isEnabled());

    command.ActionType = 2;
    command.ActionFile = "http://example.org";
    TActionEditorForm site(nullptr, Context, command);
    EXPECT_EQ(site.FileLabel()->text(), "WebSiteURL:");
    EXPECT_EQ(site.FileBox()->currentText(), "http://example.org");
    EXPECT_TRUE(site.FileBox()->isEnabled());
    EXPECT_EQ(site.FileBox()->count(), 0);
    EXPECT_FALSE(site.BrowseButton()->isEnabled());

    command.ActionType = 13;
    command.ActionFile = "\\a.png";
    TActionEditorForm picture(nullptr, Context, command);
    EXPECT_TRUE(picture.FileBox()->isEnabled());
    EXPECT_TRUE(picture.BrowseButton()->isEnabled());

    command.ActionType = 9;
    TActionEditorForm exit(nullptr, Context, command);
    EXPECT_EQ(exit.FileBox()->currentText(), "");
    EXPECT_FALSE(exit.FileBox()->isEnabled());
    EXPECT_FALSE(exit.BrowseButton()->isEnabled());
}

TEST_F(ActionEditorTest, PageAndObjectListsComeFromTheProjectAndThePage) {
    TCommand command;
    command.ActionType = 6;
    TActionEditorForm sub(nullptr, Context, command);
    // The page being edited is left out whatever its letter case.
    EXPECT_EQ(Items(sub.FileBox()), (QStringList{"About", "Contact"}));
    command.ActionType = 12;
    TActionEditorForm go(nullptr, Context, command);
    EXPECT_EQ(Items(go.FileBox()), (QStringList{"Main", "About", "Contact"}));
    command.ActionType = 21;
    TActionEditorForm pause(nullptr, Context, command);
    EXPECT_EQ(Items(pause.FileBox()), (QStringList{"Player1", "Show1"}));
    EXPECT_EQ(pause.FileLabel()->text(), "ObjectName:");
}

TEST_F(ActionEditorTest, ChangingTheTypeClearsTheFieldsButKeepsTheShowCommand) {
    TCommand command;
    command.ActionType = 5; // "Print Document", caption "FileName"
    command.ActionFile = "\\doc.pdf";
    command.ActionParams = "/p";
    command.ActionDir = "\\docs";
    command.ShowCommand = 3;
    TActionEditorForm form(nullptr, Context, command);
    Choose(form, "Close Window"); // the same caption "FileName"
    EXPECT_EQ(form.Working().ActionType, 8);
    EXPECT_EQ(form.Working().ActionFile, "");
    EXPECT_EQ(form.Working().ActionParams, "");
    EXPECT_EQ(form.Working().ActionDir, "");
    EXPECT_EQ(form.Working().ShowCommand, 3);
    Choose(form, "Send Email");
    form.FileBox()->lineEdit()->setText("me@example.org");
    EXPECT_EQ(form.Working().ActionFile, "me@example.org");
    EXPECT_EQ(form.FileLabel()->text(), "EmailAddress:");
}

TEST_F(ActionEditorTest, BrowsingPicksAProjectFileForItsPurpose) {
    TCommand command;
    command.ActionType = 4;
    TActionEditorForm form(nullptr, Context, command);
    form.BrowseButton()->click(); // cancelled: nothing changes
    FileAnswers = {"\\sounds\\ding.wav"};
    form.BrowseButton()->click();
    EXPECT_EQ(form.Working().ActionFile, "\\sounds\\ding.wav");
    EXPECT_EQ(form.FileBox()->currentText(), "\\sounds\\ding.wav");
    EXPECT_EQ(Purposes, (std::vector{TFilePurpose::Sound, TFilePurpose::Sound}));
    Choose(form, "Browse CD/Folder");
    FolderAnswers = {"\\docs"};
    form.BrowseButton()->click();
    EXPECT_EQ(form.Working().ActionFile, "\\docs");
}

TEST_F(ActionEditorTest, OkWritesBackOnlyAChangeAndNeverTheCloseFlag) {
    TCommand command;
    command.ActionType = 16;
    command.ActionFile = "Hello";
    command.CloseAfterAction = 1;
    command.Name = "Button1";
    const auto original = command;

    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditAction(nullptr, Context, command));
    EXPECT_EQ(command, original);

    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TActionEditorForm*>(dialog);
        form->FileBox()->lineEdit()->setText("Goodbye");
        form->reject();
    });
    EXPECT_FALSE(EditAction(nullptr, Context, command));
    EXPECT_EQ(command, original);

    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TActionEditorForm*>(dialog);
        form->FileBox()->lineEdit()->setText("Goodbye");
        form->accept();
    });
    EXPECT_TRUE(EditAction(nullptr, Context, command));
    EXPECT_EQ(command.ActionFile, "Goodbye");
    EXPECT_EQ(command.CloseAfterAction, 1);
    EXPECT_EQ(command.Name, "Button1");
}

TEST_F(ActionEditorTest, ShowHideSettingsRoundTripThroughTheDotsButton) {
    TCommand command;
    command.ActionType = 27;
    OnNextDialog([](QWidget* dialog) {
        auto* editor = static_cast<TActionEditorForm*>(dialog);
        EXPECT_EQ(editor->FileBox()->currentText(), "[None]");
        OnNextDialog([editor](QWidget* inner) {
            auto* showHide = static_cast<TShowHideForm*>(inner);
            showHide->List(5)->item(1)->setCheckState(Qt::Checked); // hide Button1
            showHide->accept();
            QTimer::singleShot(0, editor, [editor] {
                EXPECT_EQ(editor->FileBox()->currentText(), "[Settings]");
                editor->accept();
            });
        });
        editor->BrowseButton()->click();
    });
    ASSERT_TRUE(EditAction(nullptr, Context, command));
    EXPECT_EQ(command.ActionFile, std::string("\x01\x01\x01\x01\x01"
                                              "Button1\r\n\x01\x01\x01"));
}

} // namespace
} // namespace brelvane
