#include "dialogs/TextEditorForm.h"

#include "dialogs/DialogsFixture.h"
#include "storage/StorageTestSupport.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <fstream>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct TextEditorTest : DialogsFixture, ::testing::Test {
    std::optional<QString> OpenAnswer;
    std::optional<QString> SaveAnswer;
    TTextFilePrompts Prompts{[this](QWidget*) { return OpenAnswer; },
                             [this](QWidget*) { return SaveAnswer; }};

    static void Click(QWidget* form, const QString& caption) {
        for (auto* button : form->findChildren<QPushButton*>())
            if (button->text() == caption) button->click();
    }
};

TEST_F(TextEditorTest, LinesComeBackJoinedWithCrLf) {
    TTextEditorForm form(nullptr, "one\r\ntwo\nthr\xe9", Prompts);
    EXPECT_EQ(form.Memo()->blockCount(), 3);
    EXPECT_FALSE(form.Changed());
    EXPECT_EQ(form.Text(), "one\r\ntwo\r\nthr\xe9");
    form.Memo()->appendPlainText("four");
    EXPECT_TRUE(form.Changed());
    EXPECT_EQ(form.Text(), "one\r\ntwo\r\nthr\xe9\r\nfour");
}

TEST_F(TextEditorTest, OnlyAnAcceptedChangeIsReturned) {
    std::string text = "keep";
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditText(nullptr, text, Prompts));
    OnNextDialog([](QWidget* dialog) {
        Click(dialog, "Clear");
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(EditText(nullptr, text, Prompts));
    EXPECT_EQ(text, "keep");
    OnNextDialog([](QWidget* dialog) {
        Click(dialog, "Clear");
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_TRUE(EditText(nullptr, text, Prompts));
    EXPECT_EQ(text, "");
}

TEST_F(TextEditorTest, LoadAndSaveKeepTheBytesAndReportAMissingFile) {
    test::TempFolder folder;
    const auto in = folder.File("in.txt");
    std::ofstream(in, std::ios::binary) << "a\r\nb";
    TTextEditorForm form(nullptr, "", Prompts);
    OpenAnswer = QString::fromStdString(folder.File("missing.txt"));
    Click(&form, "&Load...");
    EXPECT_EQ(Messages.Shown.size(), 1u);
    EXPECT_FALSE(form.Changed());
    OpenAnswer = QString::fromStdString(in);
    Click(&form, "&Load...");
    EXPECT_TRUE(form.Changed());
    EXPECT_EQ(form.Text(), "a\r\nb");
    const auto out = folder.File("out.txt");
    SaveAnswer = QString::fromStdString(out);
    Click(&form, "&Save As...");
    std::ifstream saved(out, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "a\r\nb");
}

} // namespace
} // namespace brelvane
