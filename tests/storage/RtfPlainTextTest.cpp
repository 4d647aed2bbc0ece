#include "storage/rtf/RtfPlainText.h"

#include "RtfTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace brelvane {
namespace {

using test::TextOf;

TEST(RtfPlainText, OnlyContentBeginningWithTheRtfGroupIsRichText) {
    EXPECT_TRUE(IsRtfContent("{\\rtf1 x}"));
    EXPECT_TRUE(IsRtfContent("{\\rtf"));
    EXPECT_FALSE(IsRtfContent(" {\\rtf1 x}"));
    EXPECT_FALSE(IsRtfContent("{\\RTF1 x}"));
    EXPECT_FALSE(IsRtfContent(""));
}

TEST(RtfPlainText, LinesBecomeParagraphsAndComeBackWithCrLf) {
    const std::string text = "first\r\n\r\nCaf\xe9 \x80\tend\r\n";
    const TRtfDocument document = PlainTextDocument(text);
    ASSERT_EQ(document.Paragraphs.size(), 4u);
    EXPECT_EQ(TextOf(document.Paragraphs[0]), "first");
    EXPECT_TRUE(document.Paragraphs[1].Runs.empty());
    EXPECT_EQ(TextOf(document.Paragraphs[2]), "Caf\xc3\xa9 \xe2\x82\xac\tend");
    EXPECT_TRUE(document.Paragraphs[3].Runs.empty());
    EXPECT_EQ(PlainTextOf(document), text);
    EXPECT_EQ(PlainTextOf(PlainTextDocument("")), "");
}

TEST(RtfPlainText, LoneLineEndsCountAsLineEnds) {
    const TRtfDocument document = PlainTextDocument("a\nb\rc");
    ASSERT_EQ(document.Paragraphs.size(), 3u);
    EXPECT_EQ(PlainTextOf(document), "a\r\nb\r\nc");
}

TEST(RtfPlainText, PlainTextOfRichTextJoinsLinesAndReplacesForeignCharacters) {
    TRtfDocument document;
    TRtfParagraph paragraph;
    paragraph.Runs = {TRtfRun{{}, "a\nb "}, TRtfRun{{}, "\xd0\x96\xc3\xa9"}};
    document.Paragraphs = {paragraph, TRtfParagraph{}};
    EXPECT_EQ(PlainTextOf(document), "a\r\nb ?\xe9\r\n");
}

TEST(RtfPlainText, ContentIsReadByItsFirstBytes) {
    const TRtfReadResult rich = ReadRichContent("{\\rtf1 \\b x}", TRtfRecovery::StopAtFault);
    EXPECT_FALSE(rich.Fault);
    EXPECT_TRUE(rich.Document.Paragraphs.at(0).Runs.at(0).Format.Bold);
    // Braces and backslashes in plain text are just text, never a fault.
    const TRtfReadResult plain = ReadRichContent("a}{\\", TRtfRecovery::StopAtFault);
    EXPECT_FALSE(plain.Fault);
    EXPECT_EQ(TextOf(plain.Document.Paragraphs.at(0)), "a}{\\");
    const TRtfReadResult damaged = ReadRichContent("{\\rtf1 x", TRtfRecovery::StopAtFault);
    ASSERT_TRUE(damaged.Fault);
    EXPECT_EQ(damaged.Fault->Offset, 8u);
}

} // namespace
} // namespace brelvane
