#include "dialogs/InstallWareForm.h"

#include "dialogs/DialogsFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct InstallWareTest : DialogsFixture, ::testing::Test {};

TEST_F(InstallWareTest, ANewCheckConfirmedAtOnceHasTheDefaultPrompt) {
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TInstallWareForm*>(dialog);
        form->ExecutableEdit()->setText("setup.exe");
        form->WhenBox()->setCurrentIndex(1);
        form->accept();
    });
    const auto ware = CreateInstallWare(nullptr, Context);
    ASSERT_TRUE(ware);
    EXPECT_EQ(ware->Executable, "\\setup.exe");
    EXPECT_TRUE(ware->Wait);
    EXPECT_EQ(ware->When, 1);
    EXPECT_TRUE(ware->Prompt);
    EXPECT_EQ(ware->PromptCaption, "Install Software");
    EXPECT_EQ(ware->PromptText, kDefaultInstallPrompt);
    EXPECT_TRUE(ware->AllowSkip);
    EXPECT_EQ(ware->ReservedText, "");

    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_FALSE(CreateInstallWare(nullptr, Context));
}

TEST_F(InstallWareTest, OkChecksInOrderAndFocusesTheFieldAtFault) {
    TInstallWare ware;
    TInstallWareForm form(nullptr, Context, ware);
    form.show();
    form.ExecutableEdit()->setText(" \\AutoRun.exe ");
    form.accept();
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0],
              "Information: The installation executable file can not be the \"\\AutoRun.exe\"");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.focusWidget(), form.ExecutableEdit());

    form.ExecutableEdit()->setText("  ");
    form.accept();
    EXPECT_EQ(Messages.Shown.back(),
              "Information: Please input or select the installation executable file.");

    form.ExecutableEdit()->setText("\\bin\\setup.exe");
    form.FileTypeBox()->setEditText(" ");
    form.accept();
    EXPECT_EQ(Messages.Shown.back(),
              "Information: Please input or select the file extension for the file type.");
    EXPECT_TRUE(form.focusWidget() == form.FileTypeBox() ||
                form.focusWidget() == form.FileTypeBox()->lineEdit());
    EXPECT_TRUE(form.isVisible());

    // With "Always" the file type is not needed.
    form.WhenBox()->setCurrentIndex(1);
    EXPECT_FALSE(form.FileTypeBox()->isEnabled());
    form.accept();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Messages.Shown.size(), 3u);
}

TEST_F(InstallWareTest, StoresTrimmedPathsAndTheDottedFileType) {
    TInstallWare ware;
    ware.ReservedText = "kept";
    ware.ReservedNumber = 7;
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TInstallWareForm*>(dialog);
        form->ExecutableEdit()->setText(" tools\\setup.exe ");
        form->ParametersEdit()->setText(" /quiet ");
        form->StartFolderEdit()->setText(" tools ");
        form->FileTypeBox()->setEditText(" pdf (Adobe Acrobat Document) ");
        form->PromptBox()->click();
        form->accept();
    });
    ASSERT_TRUE(EditInstallWare(nullptr, Context, &ware));
    EXPECT_EQ(ware.Executable, "\\tools\\setup.exe");
    EXPECT_EQ(ware.Parameters, " /quiet ");
    EXPECT_EQ(ware.StartFolder, "\\tools");
    EXPECT_EQ(ware.FileType, ".pdf (Adobe Acrobat Document)");
    EXPECT_FALSE(ware.Prompt);
    EXPECT_EQ(ware.ReservedText, "kept");
    EXPECT_EQ(ware.ReservedNumber, 7);
    EXPECT_FALSE(EditInstallWare(nullptr, Context, nullptr));
}

TEST_F(InstallWareTest, AMessageOfSeveralLinesKeepsItsCrLfLineEnds) {
    TInstallWare ware;
    ware.Executable = "\\setup.exe";
    ware.When = 1;
    ware.PromptText = "First line\r\nSecond line";
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TInstallWareForm*>(dialog);
        EXPECT_EQ(form->MessageEdit()->toPlainText(), "First line\nSecond line");
        form->CaptionEdit()->clear();
        QTest::keyClicks(form->CaptionEdit(), "Setup");
        form->accept();
    });
    ASSERT_TRUE(EditInstallWare(nullptr, Context, &ware));
    EXPECT_EQ(ware.PromptCaption, "Setup");
    EXPECT_EQ(ware.PromptText, "First line\r\nSecond line");
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TInstallWareForm*>(dialog);
        form->MessageEdit()->setPlainText("One\nTwo\n");
        form->accept();
    });
    ASSERT_TRUE(EditInstallWare(nullptr, Context, &ware));
    EXPECT_EQ(ware.PromptText, "One\r\nTwo\r\n");
}

TEST_F(InstallWareTest, PromptAndSelectDriveTheOtherControls) {
    TInstallWare ware;
    ware.Executable = "\\old.exe";
    ware.Parameters = "-x";
    ware.FileType = ".pdf";
    TInstallWareForm form(nullptr, Context, ware);
    form.PromptBox()->click();
    EXPECT_FALSE(form.CaptionEdit()->isEnabled());
    EXPECT_FALSE(form.MessageEdit()->isEnabled());
    EXPECT_FALSE(form.AllowSkipBox()->isEnabled());
    FileAnswers = {"\\redist\\vc.msi"};
    for (auto* button : form.findChildren<QPushButton*>())
        if (button->text() == "&Select...") button->click();
    EXPECT_EQ(form.ExecutableEdit()->text(), "\\redist\\vc.msi");
    EXPECT_EQ(form.ParametersEdit()->text(), "");
    EXPECT_EQ(form.StartFolderEdit()->text(), "\\redist\\");
    EXPECT_EQ(Purposes, (std::vector{TFilePurpose::Installer}));
    // An unmodified edit accepted reports nothing and keeps the record.
    TInstallWare same = ware;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditInstallWare(nullptr, Context, &same));
    EXPECT_EQ(same, ware);
}

} // namespace
} // namespace brelvane
