#include "dialogs/RichEditorForm.h"

#include "dialogs/DialogsFixture.h"
#include "storage/StorageTestSupport.h"
#include "storage/rtf/RtfPlainText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextList>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

constexpr const char* kBoldWord = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
                                  "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                                  "\\viewkind4\\uc1\\pard\\b\\f0\\fs20 Hello\\b0  world\\par\r\n}";

struct RichEditorTest : DialogsFixture, ::testing::Test {
    test::TempFolder Folder;
    std::optional<QString> OpenAnswer;
    std::optional<QString> SaveAnswer;
    TRichEditorForm Form{
        nullptr,
        {[this](QWidget*) { return OpenAnswer; }, [this](QWidget*) { return SaveAnswer; }}};

    QPushButton* Button(const QString& caption) {
        for (auto* button : Form.findChildren<QPushButton*>())
            if (button->text() == caption) return button;
        return nullptr;
    }
    void Select(int from, int to) {
        auto cursor = Form.Editor()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        Form.Editor()->setTextCursor(cursor);
    }
};

TEST_F(RichEditorTest, AcceptingWithoutTypingKeepsTheStoredBytes) {
    std::string content = kBoldWord;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(Form.Edit(content, false));
    EXPECT_EQ(content, kBoldWord);
    EXPECT_EQ(Form.Editor()->toPlainText(), "Hello world");

    // The same form is used again and shows the new content.
    std::string other = "plain\r\nlines";
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TRichEditorForm*>(dialog);
        form->Editor()->moveCursor(QTextCursor::End);
        form->Editor()->insertPlainText("!");
        form->accept();
    });
    EXPECT_TRUE(Form.Edit(other, true));
    EXPECT_EQ(other, "plain\r\nlines!");
}

TEST_F(RichEditorTest, TypedTextIsWrittenBackAsRichTextInTheDefaultFont) {
    std::string content;
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TRichEditorForm*>(dialog);
        QTest::keyClicks(form->Editor(), "New");
        form->accept();
    });
    EXPECT_TRUE(Form.Edit(content, false));
    ASSERT_TRUE(IsRtfContent(content));
    EXPECT_NE(content.find("MS Sans Serif"), std::string::npos);
    EXPECT_NE(content.find("\\fs16"), std::string::npos);
    EXPECT_NE(content.find("New\\par\r\n"), std::string::npos) << content;
    EXPECT_EQ(Form.FontSize()->value(), 8);
    const auto margins = Form.Editor()->document()->rootFrame()->frameFormat();
    EXPECT_EQ(margins.leftMargin(), 6);
    EXPECT_EQ(margins.rightMargin(), 6);
}

TEST_F(RichEditorTest, ToolBarFollowsTheSelectionAndActsOnIt) {
    Form.Open(kBoldWord);
    Select(0, 2);
    EXPECT_TRUE(Form.Command("Bold")->isChecked());
    EXPECT_TRUE(Form.Command("Cut")->isEnabled());
    EXPECT_TRUE(Form.Command("Copy")->isEnabled());
    EXPECT_FALSE(Form.Command("Undo")->isEnabled());
    EXPECT_EQ(Form.FontNames()->currentText(), "Arial");
    EXPECT_EQ(Form.FontSize()->value(), 10);
    EXPECT_FALSE(Form.Modified());

    Select(7, 9);
    EXPECT_FALSE(Form.Command("Bold")->isChecked());
    EXPECT_FALSE(Form.Command("Undo")->isEnabled());
    Form.Command("Italic")->trigger();
    Form.Command("Center")->trigger();
    Form.FontSize()->setValue(14);
    EXPECT_TRUE(Form.Modified());
    EXPECT_TRUE(Form.Command("Undo")->isEnabled());
    const auto content = Form.Content();
    EXPECT_NE(content.find("\\qc"), std::string::npos);
    EXPECT_NE(content.find("\\i"), std::string::npos);
    EXPECT_NE(content.find("\\fs28"), std::string::npos);

    Select(3, 3);
    EXPECT_FALSE(Form.Command("Cut")->isEnabled());
    Form.Command("Bullets")->trigger();
    ASSERT_NE(Form.Editor()->textCursor().currentList(), nullptr);
    EXPECT_NE(Form.Content().find("\\pnlvlblt"), std::string::npos);
    Form.Command("Bullets")->trigger();
    EXPECT_EQ(Form.Editor()->textCursor().currentList(), nullptr);
}

TEST_F(RichEditorTest, PasteIsEnabledOnlyWithClipboardText) {
    Form.Open(kBoldWord);
    QApplication::clipboard()->clear();
    EXPECT_FALSE(Form.Command("Paste")->isEnabled());
    QApplication::clipboard()->setText("x");
    EXPECT_TRUE(Form.Command("Paste")->isEnabled());
    QApplication::clipboard()->clear();
}

TEST_F(RichEditorTest, LoadSetsTheMarkAndADamagedFileKeepsTheContent) {
    Form.Open(kBoldWord);
    const auto damaged = Folder.File("damaged.rtf");
    test::WriteFileBytes(damaged, {'{', '\\', 'r', 't', 'f', '1', ' ', 'a', '{', 'b'});
    OpenAnswer = QString::fromStdString(damaged);
    Button("&Load...")->click();
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_NE(Messages.Shown[0].find("damaged.rtf"), std::string::npos);
    EXPECT_NE(Messages.Shown[0].find("byte"), std::string::npos);
    EXPECT_EQ(Form.Editor()->toPlainText(), "Hello world");
    EXPECT_FALSE(Form.Modified());

    const auto text = Folder.File("text.txt");
    test::WriteFileBytes(text, {'a', '\r', '\n', 'b'});
    OpenAnswer = QString::fromStdString(text);
    Button("&Load...")->click();
    EXPECT_EQ(Form.Editor()->toPlainText(), "a\nb");
    EXPECT_TRUE(Form.Modified());

    const auto saved = Folder.File("saved.rtf");
    SaveAnswer = QString::fromStdString(saved);
    Button("&Save As...")->click();
    const auto bytes = test::ReadFileBytes(saved);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), Form.Content());
    SaveAnswer = QString::fromStdString(Folder.File("saved.txt"));
    Button("&Save As...")->click();
    const auto plain = test::ReadFileBytes(SaveAnswer->toStdString());
    EXPECT_EQ(std::string(plain.begin(), plain.end()), "a\r\nb");
}

TEST_F(RichEditorTest, BothClearsEmptyTheTextAndSetTheMark) {
    Form.Open(kBoldWord);
    Button("Clear")->click();
    EXPECT_TRUE(Form.Editor()->toPlainText().isEmpty());
    EXPECT_TRUE(Form.Modified());
    Form.Open(kBoldWord);
    Form.Command("Clear")->trigger();
    EXPECT_TRUE(Form.Editor()->toPlainText().isEmpty());
    EXPECT_TRUE(Form.Modified());
}

} // namespace
} // namespace brelvane
