#include "render/RtfTextDocument.h"

#include "AATestImages.h"
#include "storage/RtfTestSupport.h"
#include "storage/StorageTestSupport.h"
#include "storage/rtf/RtfReader.h"
#include "storage/rtf/RtfWriter.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::ContentOf;
using test::ReadGood;
using test::Wrapped;

using RtfTextDocument = AATest; // a GUI application for fonts

// The character format of the last character of the first `text` found.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    return found.charFormat();
}

TEST_F(RtfTextDocument, CharacterFormatsAndCharactersReachTheDocument) {
    QTextDocument document;
    LoadRtfIntoTextDocument(
        ReadGood(Wrapped("\\qc\\fs17\\b bold\\b0  \\cf1 red\\cf0  \\i it\\i0  \\ul un\\ulnone  "
                         "\\strike st\\strike0  \\f1 sym\\f0  \\u8364?\\'e9\\tab x\\line y\\par")),
        document);
    ASSERT_EQ(document.blockCount(), 1);
    const QTextBlock block = document.begin();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(block.text(), QString::fromUtf8("bold red it un st sym \u20ac\u00e9\tx\u2028y"));

    const QTextCharFormat bold = FormatOf(document, "bold");
    EXPECT_EQ(bold.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(bold.fontPointSize(), 8.5);
    EXPECT_EQ(bold.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(bold.foreground().style(), Qt::NoBrush);
    EXPECT_EQ(FormatOf(document, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(document, "red").fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatOf(document, "it").fontItalic());
    EXPECT_TRUE(FormatOf(document, "un").fontUnderline());
    EXPECT_FALSE(FormatOf(document, "it").fontUnderline());
    EXPECT_TRUE(FormatOf(document, "st").fontStrikeOut());
    EXPECT_EQ(FormatOf(document, "sym").fontFamilies().toStringList(), QStringList{"Symbol"});
    // Tabs every 720 twips, as the stored text assumes.
    EXPECT_DOUBLE_EQ(document.defaultTextOption().tabStopDistance(), 48.0);
}

TEST_F(RtfTextDocument, MissingFontsAndValuesBeyondWhatEditorsAcceptShowSafely) {
    TRtfDocument rich;
    TRtfParagraph paragraph;
    TRtfCharFormat huge;
    huge.HalfPoints = 2147483647;
    huge.Font = 5;          // no such font: the document's default face
    TRtfCharFormat unnamed; // font 0, an entry without a name
    paragraph.Runs = {TRtfRun{huge, "x"}, TRtfRun{unnamed, "y"}};
    paragraph.Format.LeftIndent = -2147483647;
    rich.Fonts = {TRtfFont{}};
    rich.Paragraphs = {paragraph};
    QTextDocument document;
    LoadRtfIntoTextDocument(rich, document);
    const QTextCharFormat format = FormatOf(document, "x");
    EXPECT_DOUBLE_EQ(format.fontPointSize(), 1638.0);
    EXPECT_FALSE(format.hasProperty(QTextFormat::FontFamilies));
    EXPECT_FALSE(FormatOf(document, "y").hasProperty(QTextFormat::FontFamilies));
    EXPECT_DOUBLE_EQ(document.begin().blockFormat().leftMargin(), -31680 / 15.0);
}

TEST_F(RtfTextDocument, IndentsAndBulletedParagraphsAsLists) {
    QTextDocument document;
    LoadRtfIntoTextDocument(
        ReadGood(Wrapped("\\li1440\\ri720\\fi-360 indented\\par\\pard"
                         "{\\*\\pn\\pnlvlblt\\pnf1}\\fi-360\\li720 a\\par b\\par\\pard c\\par"
                         "{\\*\\pn\\pnlvlblt\\pnf1}\\li720 d\\par")),
        document);
    ASSERT_EQ(document.blockCount(), 5);
    QTextBlock block = document.begin();
    EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(block.blockFormat().rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(block.blockFormat().textIndent(), -24.0);
    EXPECT_EQ(block.textList(), nullptr);

    const QTextBlock a = block.next();
    const QTextBlock b = a.next();
    const QTextBlock c = b.next();
    const QTextBlock d = c.next();
    ASSERT_NE(a.textList(), nullptr);
    EXPECT_EQ(a.textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(b.textList(), a.textList()); // one list for neighbouring items
    EXPECT_EQ(a.textList()->count(), 2);
    EXPECT_DOUBLE_EQ(a.blockFormat().leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(a.blockFormat().textIndent(), 0.0); // the bullet stands left of the text
    EXPECT_EQ(c.textList(), nullptr);
    ASSERT_NE(d.textList(), nullptr);
    EXPECT_NE(d.textList(), a.textList());
}

TEST_F(RtfTextDocument, DocumentComesBackAsRichText) {
    QTextDocument document;
    QFont defaultFont("DejaVu Sans");
    defaultFont.setPointSizeF(9);
    document.setDefaultFont(defaultFont);
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    cursor.insertText("plain ", plain);
    QTextCharFormat styled;
    styled.setFontFamilies({"Liberation Serif"});
    styled.setFontPointSize(13.5);
    styled.setFontWeight(QFont::Bold);
    styled.setFontItalic(true);
    styled.setFontUnderline(true);
    styled.setFontStrikeOut(true);
    styled.setForeground(QColor(0, 128, 255));
    cursor.insertText(QString::fromUtf8("styled\u2028\u20ac"), styled);
    cursor.insertImage(QImage(4, 4, QImage::Format_RGB32));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLeftMargin(30);
    centred.setTextIndent(-15);
    cursor.insertBlock(centred);
    cursor.insertText("centred", plain);
    cursor.insertBlock(QTextBlockFormat());
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc); // as an editor makes them: one indent step
    cursor.createList(bullets);
    cursor.insertText("item", plain);

    const TRtfDocument rich = RtfFromTextDocument(document);
    ASSERT_EQ(rich.Fonts.size(), 2u);
    EXPECT_EQ(rich.Fonts[0].Name, "DejaVu Sans");
    EXPECT_EQ(rich.Fonts[1].Name, "Liberation Serif");
    ASSERT_EQ(rich.Paragraphs.size(), 3u);
    const auto& first = rich.Paragraphs[0];
    ASSERT_EQ(first.Runs.size(), 2u);
    EXPECT_EQ(first.Runs[0].Text, "plain ");
    EXPECT_EQ(first.Runs[0].Format, (TRtfCharFormat{0, 18, false, false, false, false, {}}));
    EXPECT_EQ(first.Runs[1].Text, "styled\n\xe2\x82\xac"); // the image is left out
    EXPECT_EQ(first.Runs[1].Format,
              (TRtfCharFormat{1, 27, true, true, true, true, TRtfColor{0, 128, 255}}));
    EXPECT_EQ(rich.Paragraphs[1].Format,
              (TRtfParagraphFormat{TRtfAlignment::Center, 450, 0, -225, false}));
    EXPECT_EQ(rich.Paragraphs[2].Format,
              (TRtfParagraphFormat{TRtfAlignment::Left, 600, 0, -600, true}));
}

// Read, shown in a document, taken back, written and read again: the same
// paragraphs, runs and formats.
TEST_F(RtfTextDocument, FixturesKeepTheirContentThroughTheDocument) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(BRELVANE_TEST_DATA) + "/rtf")) {
        const auto bytes = test::ReadFileBytes(entry.path().string());
        const TRtfDocument original = ReadGood(std::string(bytes.begin(), bytes.end()));
        QTextDocument document;
        LoadRtfIntoTextDocument(original, document);
        const TRtfDocument again = ReadGood(WriteRtf(RtfFromTextDocument(document)));
        EXPECT_EQ(ContentOf(again), ContentOf(original)) << entry.path().filename();
    }
}

TEST_F(RtfTextDocument, LoadingReplacesContentAndClearsUndo) {
    QTextDocument document;
    QTextCursor(&document).insertText("old text");
    ASSERT_TRUE(document.isUndoAvailable());
    LoadRtfIntoTextDocument(ReadGood("{\\rtf1 new\\par}"), document);
    EXPECT_EQ(document.toPlainText(), "new");
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_TRUE(document.isUndoRedoEnabled());
}

} // namespace
} // namespace brelvane
