#include "objects/controls/AuTextBox.h"

#include "controls/ControlTestKit.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/TextBoxPayload.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(AuTextBox, ShowsTheLinesReadOnlyWithTheStoredLook) {
    EnsureApplication();
    auto object = MakeObject(okTextBox, 209, 209);
    auto& payload = PayloadOf<TTextBoxPayload>(*object);
    payload.Text = "first\r\nsecond\r\n";
    payload.Alignment = 2;
    payload.Border = 0;
    payload.ScrollBar = sbBoth;
    payload.WordWrap = false;
    payload.BackColor = 0x0000ff; // stored as BGR: red
    TAuTextBox box(*object, nullptr);
    QTextEdit& editor = box.Editor();
    EXPECT_EQ(editor.toPlainText(), "first\nsecond");
    EXPECT_TRUE(editor.isReadOnly());
    EXPECT_EQ(editor.document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(editor.document()->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(editor.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(editor.lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(editor.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(editor.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(editor.palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(editor.viewport()->cursor().shape(), Qt::ArrowCursor);

    payload.ScrollBar = sbNone;
    payload.WordWrap = true;
    payload.Border = 1;
    payload.Text = "changed\r\n";
    box.Refresh();
    EXPECT_EQ(editor.toPlainText(), "changed");
    EXPECT_EQ(editor.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(editor.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(editor.lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_NE(editor.frameShape(), QFrame::NoFrame);
}

TEST(AuRichTextBox, ShowsBoldColourCentringAndBothKindsOfEscapedCharacters) {
    EnsureApplication();
    auto object = MakeObject(okRichText, 209, 209);
    auto& payload = PayloadOf<TRichTextPayload>(*object);
    payload.RichText = "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}"
                       "\\qc{\\b Bold}\\par\\ql{\\cf1 Red} caf\\'e9 \\u8364?\\par}";
    TAuRichTextBox box(*object, nullptr);
    QTextDocument& document = *box.Editor().document();
    const QTextBlock centred = document.firstBlock();
    EXPECT_EQ(centred.text(), "Bold");
    EXPECT_EQ(centred.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_GE(centred.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    const QTextBlock second = centred.next();
    EXPECT_EQ(second.text(), QString::fromUtf8("Red café €"));
    EXPECT_EQ(second.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_LT(second.begin().fragment().charFormat().fontWeight(), QFont::Bold);

    // With the switch on, the stored bytes are the text.
    payload.PlainText = true;
    box.Refresh();
    EXPECT_EQ(box.Editor().toPlainText().toStdString(), payload.RichText);
}

TEST(AuTextBox, TheAlignByteDocksTheBoxInItsParent) {
    EnsureApplication();
    QWidget page;
    page.resize(400, 300);
    auto object = MakeObject(okTextBox, 100, 50);
    PayloadOf<TTextBoxPayload>(*object).Align = 1; // top
    TAuTextBox box(*object, &page);
    page.show();
    EXPECT_EQ(box.geometry(), QRect(0, 0, 400, 50));
    page.resize(500, 300);
    EXPECT_EQ(box.geometry(), QRect(0, 0, 500, 50));
}

} // namespace
} // namespace brelvane::test
