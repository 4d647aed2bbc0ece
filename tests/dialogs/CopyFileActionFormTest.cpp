#include "dialogs/CopyFileActionForm.h"

#include "dialogs/DialogsFixture.h"
#include "platform/SpecialFolders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct CopyFileTest : DialogsFixture, ::testing::Test {};

TEST_F(CopyFileTest, AnEmptyTextShowsTheDefaults) {
    TCopyFileActionForm form(nullptr, Context, "");
    EXPECT_EQ(form.SourceEdit()->text(), "");
    EXPECT_FALSE(form.OverwriteBox()->isChecked());
    EXPECT_TRUE(form.ShowMessageBox()->isChecked());
    EXPECT_EQ(form.CaptionEdit()->text(), "Copy File");
    EXPECT_EQ(form.MessageEdit()->text(),
              "Copy file/folder to your hard disk then open file, continue?");
    EXPECT_EQ(form.MessageTypeBox()->currentText(), "YES/NO");
    EXPECT_EQ(form.OpenFolderEdit()->text(), "\\");
}

TEST_F(CopyFileTest, ReadingStopsAtTheFirstMissingSeparator) {
    const auto a = ReadCopyFileSettings(" \\data \x01[Desktop]\x01Y\x01 \x01My caption\x01"
                                        "cut");
    EXPECT_EQ(a.Source, "\\data");
    EXPECT_EQ(a.Target, "[Desktop]");
    EXPECT_TRUE(a.Overwrite);
    EXPECT_FALSE(a.ShowMessage);
    EXPECT_EQ(a.MessageCaption, "My caption");
    // The cut piece and everything after it keep their defaults.
    EXPECT_EQ(a.MessageText, "Copy file/folder to your hard disk then open file, continue?");
    EXPECT_EQ(a.MessageType, "1");
    EXPECT_EQ(a.OpenFolder, "\\");
}

TEST_F(CopyFileTest, ANewActionConfirmedUntouchedStaysEmpty) {
    std::string text;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditCopyFileAction(nullptr, Context, text));
    EXPECT_EQ(text, "");
}

TEST_F(CopyFileTest, AcceptedEditsComposeTheWholeTextTrimmed) {
    std::string text;
    FolderAnswers = {"\\setup"};
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TCopyFileActionForm*>(dialog);
        for (auto* button : form->findChildren<QPushButton*>())
            if (button->text() == "Select &Folder...") button->click();
        form->TargetBox()->setEditText(" C:\\Tools ");
        form->MessageTypeBox()->setCurrentIndex(0);
        form->OpenFileEdit()->setText("run.exe ");
        form->accept();
    });
    ASSERT_TRUE(EditCopyFileAction(nullptr, Context, text));
    EXPECT_EQ(text, "\\setup\x01"
                    "C:\\Tools\x01 \x01Y\x01"
                    "Copy File\x01"
                    "Copy file/folder to your hard disk then open file, continue?\x01"
                    "0\x01run.exe\x01\x01\\\x01");
}

TEST_F(CopyFileTest, TargetListAndLocationPanelFollowTheSpecialFolders) {
    TCopyFileActionForm form(nullptr, Context, "\\a\x01[Nowhere]\x01");
    // Every listed entry is a token that resolves on this computer.
    ASSERT_GT(form.TargetBox()->count(), 0);
    for (int i = 0; i < form.TargetBox()->count(); ++i) {
        const auto token = form.TargetBox()->itemText(i).toStdString();
        EXPECT_FALSE(platform::ResolveSpecialFolder(token).empty()) << token;
    }
    EXPECT_EQ(form.TargetLocation()->text(), "[Nowhere]");
    const auto first = form.TargetBox()->itemText(0);
    form.TargetBox()->setCurrentIndex(0);
    const auto resolved =
        QString::fromStdString(platform::ResolveSpecialFolder(first.toStdString()));
    EXPECT_EQ(form.TargetLocation()->text(), resolved);
    EXPECT_EQ(form.TargetLocation()->toolTip(), resolved);
}

TEST_F(CopyFileTest, AMessageTypeWithoutARowIsKept) {
    TCopyFileActionForm form(nullptr, Context,
                             "\\a\x01\\b\x01 \x01Y\x01"
                             "c\x01m\x01"
                             "3\x01\x01\x01\\\x01");
    EXPECT_EQ(form.MessageTypeBox()->currentIndex(), -1);
    EXPECT_EQ(form.Text(), "\\a\x01\\b\x01 \x01Y\x01"
                           "c\x01m\x01"
                           "3\x01\x01\x01\\\x01");
}

} // namespace
} // namespace brelvane
