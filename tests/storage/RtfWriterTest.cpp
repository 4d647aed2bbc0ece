#include "storage/rtf/RtfWriter.h"

#include "RtfTestSupport.h"
#include "storage/rtf/RtfReader.h"

#include <gtest/gtest.h>
#include <string>

namespace brelvane {
namespace {

using test::ContentOf;
using test::ReadGood;

TRtfRun RunOf(std::string text, const TRtfCharFormat& format) {
    return TRtfRun{format, std::move(text)};
}

TRtfCharFormat Arial10() {
    TRtfCharFormat format;
    format.HalfPoints = 20;
    return format;
}

TEST(RtfWriter, WritesTheFixedForm) {
    TRtfDocument document;
    document.Fonts.push_back(TRtfFont{"Arial", TRtfFontFamily::Swiss, 0, 2});
    TRtfParagraph heading;
    heading.Format.Alignment = TRtfAlignment::Center;
    TRtfCharFormat bold = Arial10();
    bold.Bold = true;
    TRtfCharFormat red = Arial10();
    red.Color = TRtfColor{255, 0, 0};
    heading.Runs = {RunOf("Hello ", Arial10()), RunOf("bold", bold), RunOf(" red", red)};
    heading.MarkFormat = red;
    TRtfParagraph empty;
    empty.MarkFormat = Arial10();
    document.Paragraphs = {heading, empty};

    EXPECT_EQ(WriteRtf(document),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
              "{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}}\r\n"
              "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
              "\\viewkind4\\uc1\\pard\\qc\\f0\\fs20 Hello \\b bold\\cf1\\b0  red\\par\r\n"
              "\\pard\\cf0\\par\r\n"
              "}");
}

TEST(RtfWriter, EmptyDocumentHasNoColourTable) {
    TRtfDocument document;
    document.Language = 1031;
    EXPECT_EQ(WriteRtf(document), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl}\r\n"
                                  "\\viewkind4\\uc1\\pard}");
}

TEST(RtfWriter, EveryCharacterWordHasItsOffForm) {
    TRtfDocument document;
    document.Fonts = {TRtfFont{"A"}, TRtfFont{"B"}};
    TRtfCharFormat on;
    on.Font = 1;
    on.HalfPoints = 17;
    on.Bold = on.Italic = on.Underline = on.Strike = true;
    on.Color = TRtfColor{1, 2, 3};
    TRtfParagraph paragraph;
    paragraph.Runs = {RunOf("x", on), RunOf("y", TRtfCharFormat{})};
    paragraph.MarkFormat = TRtfCharFormat{};
    document.Paragraphs = {paragraph};
    const std::string rtf = WriteRtf(document);
    EXPECT_NE(rtf.find("\\pard\\f1\\fs17\\cf1\\b\\i\\ul\\strike x"
                       "\\f0\\fs24\\cf0\\b0\\i0\\ulnone\\strike0 y\\par\r\n}"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(ReadGood(rtf), document);
}

TEST(RtfWriter, EscapesTextOutsidePrintableAscii) {
    TRtfDocument document;
    document.Fonts = {TRtfFont{"Semi;colon {x}"}};
    TRtfParagraph paragraph;
    paragraph.Runs = {
        RunOf("a\\b{c}d\te\nf \xc3\xa9 \xd0\x96 \xf0\x9f\x98\x80 \x01\x7f\xef\xbf\xbd",
              TRtfCharFormat{})};
    document.Paragraphs = {paragraph};
    const std::string rtf = WriteRtf(document);
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset0 Semi\\'3bcolon \\{x\\};}"), std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("\\fs24 a\\\\b\\{c\\}d\\tab e\\line f \\'e9 \\u1046? "
                       "\\u-10179?\\u-8704? \\'01\\'7f\\u-3?\\par"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(ReadGood(rtf), document);
}

TEST(RtfWriter, MalformedUtf8IsWrittenAsReplacementCharacters) {
    TRtfDocument document;
    TRtfParagraph paragraph;
    paragraph.Runs = {RunOf("a\xff"
                            "b\xed\xa0\x80",
                            TRtfCharFormat{})};
    document.Paragraphs = {paragraph};
    const std::string rtf = WriteRtf(document);
    EXPECT_NE(rtf.find(" a\\u-3?b\\u-3?"), std::string::npos) << rtf;
}

TRtfDocument BulletedDocument() {
    TRtfDocument document;
    document.Fonts = {TRtfFont{"Arial"}};
    TRtfParagraph item;
    item.Format.Bullet = true;
    item.Format.LeftIndent = 720;
    item.Format.FirstIndent = -720;
    item.Runs = {RunOf("one", TRtfCharFormat{})};
    TRtfParagraph second = item;
    second.Runs = {RunOf("two", TRtfCharFormat{})};
    TRtfParagraph plain;
    plain.Runs = {RunOf("three", TRtfCharFormat{})};
    document.Paragraphs = {item, second, plain};
    return document;
}

TEST(RtfWriter, BulletsCarryTheirNumberingTextAndASymbolFont) {
    const std::string rtf = WriteRtf(BulletedDocument());
    EXPECT_EQ(rtf, "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl"
                   "{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
                   "\\viewkind4\\uc1\\pard{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"
                   "\\fi-720\\li720{\\pntext\\f1\\'b7\\tab}\\f0\\fs24 one\\par\r\n"
                   "{\\pntext\\f1\\'b7\\tab}two\\par\r\n"
                   "\\pard three\\par\r\n}");
    // Read back, the Symbol entry is there and is used again, not added twice.
    const TRtfDocument back = ReadGood(rtf);
    ASSERT_EQ(back.Fonts.size(), 2u);
    EXPECT_EQ(WriteRtf(back), rtf);
    EXPECT_EQ(ContentOf(back), ContentOf(BulletedDocument()));
}

TEST(RtfWriter, TextNamingNoFontNeverComesBackInTheBulletsFont) {
    for (const std::size_t fonts : {0u, 1u}) {
        TRtfDocument document = BulletedDocument();
        document.Fonts.resize(fonts);
        document.Paragraphs[2].Runs[0].Format.Font = 7; // past the table
        const TRtfDocument back = ReadGood(WriteRtf(document));
        ASSERT_EQ(back.Fonts.size(), 2u) << fonts;
        EXPECT_EQ(back.Fonts[1].Name, "Symbol");
        for (const TRtfParagraph& paragraph : back.Paragraphs)
            EXPECT_EQ(paragraph.Runs.at(0).Format.Font, 0) << fonts;
        // Without fonts of its own the default entry has no name: the viewer's face.
        EXPECT_EQ(back.Fonts[0].Name, fonts == 0 ? "" : "Arial");
    }
}

TEST(RtfWriter, ParagraphWordsFollowAPardOnlyWhenTheFormatChanges) {
    TRtfDocument document;
    TRtfParagraph centred;
    centred.Format.Alignment = TRtfAlignment::Center;
    centred.Format.RightIndent = 100;
    TRtfParagraph right = centred;
    right.Format.Alignment = TRtfAlignment::Right;
    TRtfParagraph justified;
    justified.Format.Alignment = TRtfAlignment::Justify;
    document.Paragraphs = {centred, centred, right, justified};
    const std::string rtf = WriteRtf(document);
    EXPECT_NE(rtf.find("\\pard\\ri100\\qc\\f0\\fs24\\par\r\n\\par\r\n\\pard\\ri100\\qr\\par\r\n"
                       "\\pard\\qj\\par\r\n}"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(ReadGood(rtf), document);
}

} // namespace
} // namespace brelvane
