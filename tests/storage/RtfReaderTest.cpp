#include "storage/rtf/RtfReader.h"

#include "RtfTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace brelvane {
namespace {

using test::ReadGood;
using test::TextOf;
using test::Wrapped;

TEST(RtfReader, HeaderFontTableAndLanguage) {
    const auto document = ReadGood(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl"
        "{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}{\\f1\\froman\\fcharset238 Times New Roman;}"
        "{\\f2\\fmodern\\fprq1 Courier {\\*\\panose 02070309020205020404}New;}}"
        "\\pard\\f1 x\\f2 y\\par}");
    EXPECT_EQ(document.Language, 1031);
    ASSERT_EQ(document.Fonts.size(), 3u);
    EXPECT_EQ(document.Fonts[0], (TRtfFont{"Arial", TRtfFontFamily::Swiss, 0, 2}));
    EXPECT_EQ(document.Fonts[1], (TRtfFont{"Times New Roman", TRtfFontFamily::Roman, 238, 0}));
    EXPECT_EQ(document.Fonts[2], (TRtfFont{"Courier New", TRtfFontFamily::Modern, 0, 1}));
    ASSERT_EQ(document.Paragraphs.size(), 1u);
    ASSERT_EQ(document.Paragraphs[0].Runs.size(), 2u);
    EXPECT_EQ(document.Paragraphs[0].Runs[0].Format.Font, 1);
    EXPECT_EQ(document.Paragraphs[0].Runs[1].Format.Font, 2);
}

TEST(RtfReader, FontsAreNamedByTheirPlaceInTheTable) {
    // Numbers with gaps, the old table form without groups, \deff naming the
    // second entry, a number given twice and a number without an entry.
    const auto document = ReadGood("{\\rtf1\\deff7{\\fonttbl\\f3\\fnil Caf\\'e9;\\f7\\fswiss "
                                   "Arial;\\f3\\froman Again;}a\\f3 b\\f9 c\\plain d\\par}");
    ASSERT_EQ(document.Fonts.size(), 2u);
    EXPECT_EQ(document.Fonts[0].Name, "Caf\xc3\xa9");
    EXPECT_EQ(document.Fonts[1].Name, "Arial");
    const auto& runs = document.Paragraphs.at(0).Runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].Text, "a");
    EXPECT_EQ(runs[0].Format.Font, 1); // the default font before any \f
    EXPECT_EQ(runs[1].Text, "b");
    EXPECT_EQ(runs[1].Format.Font, 0);
    EXPECT_EQ(runs[2].Text, "cd"); // unknown \f9 and \plain both fall back to \deff
    EXPECT_EQ(runs[2].Format.Font, 1);
}

TEST(RtfReader, ColourTableWithTheAutomaticEntryFirst) {
    const auto document = ReadGood(Wrapped("a\\cf1 b\\cf2 c\\cf0 d\\cf9 e\\par"));
    const auto& runs = document.Paragraphs.at(0).Runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_FALSE(runs[0].Format.Color);
    EXPECT_EQ(runs[1].Format.Color, (TRtfColor{255, 0, 0}));
    EXPECT_EQ(runs[2].Format.Color, (TRtfColor{0, 0, 255}));
    EXPECT_FALSE(runs[3].Format.Color); // \cf0 and an index past the table
    EXPECT_EQ(runs[3].Text, "de");
}

TEST(RtfReader, ColourTableWithoutAutomaticEntryIndexesFromZero) {
    const auto document = ReadGood("{\\rtf1{\\colortbl\\red0\\green128\\blue0;\\red300\\blue7}"
                                   "\\cf0 a\\cf1 b\\par}");
    const auto& runs = document.Paragraphs.at(0).Runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Format.Color, (TRtfColor{0, 128, 0}));
    EXPECT_EQ(runs[1].Format.Color, (TRtfColor{255, 0, 7})); // clamped, unterminated entry kept
}

TEST(RtfReader, ParagraphFormatsApplyAtTheParagraphMark) {
    const auto document =
        ReadGood(Wrapped("\\qc one\\par \\qr two\\par\\pard\\ql\\li720\\ri360\\fi-240 three\\par"
                         "\\qj four\\par\\pard five\\par\\qc six"));
    const auto& paragraphs = document.Paragraphs;
    ASSERT_EQ(paragraphs.size(), 6u);
    EXPECT_EQ(paragraphs[0].Format.Alignment, TRtfAlignment::Center);
    EXPECT_EQ(paragraphs[1].Format.Alignment, TRtfAlignment::Right);
    EXPECT_EQ(paragraphs[2].Format,
              (TRtfParagraphFormat{TRtfAlignment::Left, 720, 360, -240, false}));
    EXPECT_EQ(paragraphs[3].Format,
              (TRtfParagraphFormat{TRtfAlignment::Justify, 720, 360, -240, false}));
    EXPECT_EQ(paragraphs[4].Format, TRtfParagraphFormat{});
    // Text after the last \par is a paragraph of its own.
    EXPECT_EQ(TextOf(paragraphs[5]), "six");
    EXPECT_EQ(paragraphs[5].Format.Alignment, TRtfAlignment::Center);
}

TEST(RtfReader, EmptyParagraphsKeepTheirMarkFormat) {
    const auto document = ReadGood(Wrapped("\\fs40\\b\\par{\\i x}\\par"));
    ASSERT_EQ(document.Paragraphs.size(), 2u);
    EXPECT_TRUE(document.Paragraphs[0].Runs.empty());
    EXPECT_EQ(document.Paragraphs[0].MarkFormat.HalfPoints, 40);
    EXPECT_TRUE(document.Paragraphs[0].MarkFormat.Bold);
    EXPECT_TRUE(document.Paragraphs[1].Runs.at(0).Format.Italic);
    EXPECT_FALSE(document.Paragraphs[1].MarkFormat.Italic);
}

TEST(RtfReader, BulletsMarkTheParagraphAndTheirTextIsSkipped) {
    const auto document = ReadGood(
        Wrapped("{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"
                "\\fi-720\\li720 one\\par{\\pntext\\f1\\'b7\\tab}two\\par\\pard three\\par"
                "{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}numbered\\par"));
    const auto& paragraphs = document.Paragraphs;
    ASSERT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(TextOf(paragraphs[0]), "one");
    EXPECT_EQ(paragraphs[0].Format, (TRtfParagraphFormat{TRtfAlignment::Left, 720, 0, -720, true}));
    EXPECT_EQ(TextOf(paragraphs[1]), "two");
    EXPECT_TRUE(paragraphs[1].Format.Bullet);
    EXPECT_FALSE(paragraphs[2].Format.Bullet);
    EXPECT_EQ(TextOf(paragraphs[3]), "numbered");
    EXPECT_FALSE(paragraphs[3].Format.Bullet);
}

TEST(RtfReader, CharacterFormatsTheirZeroFormsAndGroups) {
    const auto document =
        ReadGood(Wrapped("\\f1\\fs17\\cf1\\b\\i\\ul\\strike all{\\b0\\i0\\ulnone\\strike0 none}"
                         "\\ul0 x\\ul1\\b1\\strike1\\i2 y\\plain z\\par"));
    const auto& runs = document.Paragraphs.at(0).Runs;
    ASSERT_EQ(runs.size(), 5u);
    TRtfCharFormat all;
    all.Font = 1;
    all.HalfPoints = 17; // half points, odd sizes kept
    all.Color = TRtfColor{255, 0, 0};
    all.Bold = all.Italic = all.Underline = all.Strike = true;
    EXPECT_EQ(runs[0].Format, all);
    TRtfCharFormat none = all;
    none.Bold = none.Italic = none.Underline = none.Strike = false;
    EXPECT_EQ(runs[1].Format, none);
    EXPECT_EQ(runs[1].Text, "none");
    TRtfCharFormat x = all;
    x.Underline = false;
    EXPECT_EQ(runs[2].Format, x); // the group's end restored the formats
    EXPECT_EQ(runs[3].Format, all);
    EXPECT_EQ(runs[4].Format, TRtfCharFormat{});
    EXPECT_EQ(runs[4].Text, "z");
}

TEST(RtfReader, UnderlineKindsReadAsUnderline) {
    const auto document = ReadGood(Wrapped("\\uldb a\\ulnone b\\ulw c\\ul0 d\\par"));
    const auto& runs = document.Paragraphs.at(0).Runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_TRUE(runs[0].Format.Underline);
    EXPECT_FALSE(runs[1].Format.Underline);
    EXPECT_TRUE(runs[2].Format.Underline);
    EXPECT_FALSE(runs[3].Format.Underline);
}

TEST(RtfReader, TabsLineBreaksAndEscapedCharacters) {
    const auto document =
        ReadGood(Wrapped("a\\tab b\\line c \\\\ \\{ \\} \\'e9\\'80\\'FF\\~\\_\\-d\\emdash\\par"));
    EXPECT_EQ(TextOf(document.Paragraphs.at(0)),
              "a\tb\nc \\ { } \xc3\xa9\xe2\x82\xac\xc3\xbf\xc2\xa0\xe2\x80\x91"
              "d\xe2\x80\x94");
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback) {
    // \uc1 skips one character, \uc2 two escapes, \uc0 none; negative
    // numbers are 16-bit units; a surrogate pair is one character.
    const auto document = ReadGood(Wrapped("\\uc1\\u8364?x{\\uc2\\u1046\\'c6\\'e6y}\\uc0\\u1046 z"
                                           "\\uc1\\u-3?\\u-10179?\\u-8704?\\u-10179?w\\par"));
    EXPECT_EQ(TextOf(document.Paragraphs.at(0)),
              "\xe2\x82\xacx\xd0\x96y\xd0\x96z\xef\xbf\xbd\xf0\x9f\x98\x80\xef\xbf\xbdw");
}

TEST(RtfReader, FallbackSkippingStopsAtAGroupEnd) {
    const auto document = ReadGood(Wrapped("{\\uc3\\u1046}abc\\par"));
    EXPECT_EQ(TextOf(document.Paragraphs.at(0)), "\xd0\x96"
                                                 "abc");
}

TEST(RtfReader, UnknownWordsDestinationsPicturesAndBinaryDataAreIgnored) {
    const std::string binary = "\\bin6 }}{{\\x";
    const auto document =
        ReadGood(Wrapped("a\\unknownword42 b{\\*\\generator Riched20;}{\\pict\\wmetafile8 0a0b}"
                         "{\\object\\objemb{\\*\\objdata 0102}{\\result{\\pict 00}}}c" +
                         binary +
                         "d{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
                         "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}\r\ne\\par"));
    EXPECT_EQ(TextOf(document.Paragraphs.at(0)), "abcdlinke");
}

TEST(RtfReader, UnknownDestinationWithoutStarKeepsItsText) {
    const auto document = ReadGood(Wrapped("{\\newthing kept}\\par"));
    EXPECT_EQ(TextOf(document.Paragraphs.at(0)), "kept");
}

TEST(RtfReader, LineEndsAndNulAfterTheLastBraceAreIgnored) {
    for (const std::string& tail :
         std::vector<std::string>{"\r\n", "\n", "\r", std::string("\r\n\0", 3), " "}) {
        const TRtfReadResult result = ReadRtf("{\\rtf1 x\\par}" + tail, TRtfRecovery::StopAtFault);
        EXPECT_FALSE(result.Fault) << tail.size();
        EXPECT_EQ(result.Document.Paragraphs.size(), 1u);
    }
}

TEST(RtfReader, BackslashBeforeALineEndIsAParagraph) {
    const auto document = ReadGood("{\\rtf1 a\\\nb\\\r\nc}");
    ASSERT_EQ(document.Paragraphs.size(), 3u);
    EXPECT_EQ(TextOf(document.Paragraphs[2]), "c");
}

struct FaultCase {
    const char* name;
    std::string bytes;
    std::size_t offset;
    const char* what;
};

// `depth` groups, the outermost one first; its inner braces start at byte 7.
std::string Nested(std::size_t depth) {
    return "{\\rtf1 " + std::string(depth - 1, '{') + "x" + std::string(depth, '}');
}

std::vector<FaultCase> FaultCases() {
    return {
        {"not rich text", "hello", 0, "not rich text (no \"{\\rtf\" at the start)"},
        {"extra brace", "{\\rtf1 a}}", 9, "unbalanced braces (extra \"}\")"},
        {"extra brace inside", "{\\rtf1 a}\r\n} ", 11, "unbalanced braces (extra \"}\")"},
        {"missing brace", "{\\rtf1{\\b a}", 12, "unbalanced braces (missing \"}\")"},
        {"nesting", Nested(257), 7 + 255, "groups nested deeper than 256"},
        {"cut backslash", "{\\rtf1 a\\", 8, "cut escape"},
        {"cut hex", "{\\rtf1 a\\'e", 8, "cut escape"},
        {"bad hex", "{\\rtf1 a\\'zz}", 8, "cut escape"},
        {"number", "{\\rtf1 a\\fs2147483648 b}", 8, "number beyond 32 bits"},
        {"negative number", "{\\rtf1 a\\li-2147483649 b}", 8, "number beyond 32 bits"},
        {"long number", "{\\rtf1 \\b99999999999999999999999 b}", 7, "number beyond 32 bits"},
        {"binary", "{\\rtf1 a\\bin10 abc}", 8, "\\bin data beyond the end"},
        {"negative binary", "{\\rtf1 a\\bin-1 abc}", 8, "negative \\bin length"},
    };
}

TEST(RtfReader, BadInputFailsWithTheOffsetOfTheFault) {
    for (const FaultCase& bad : FaultCases()) {
        const TRtfReadResult result = ReadRtf(bad.bytes, TRtfRecovery::StopAtFault);
        ASSERT_TRUE(result.Fault) << bad.name;
        EXPECT_EQ(*result.Fault, (TRtfFault{bad.offset, bad.what})) << bad.name;
        EXPECT_EQ(result.Document, TRtfDocument{}) << bad.name;
    }
}

TEST(RtfReader, LimitsThemselvesAreAccepted) {
    EXPECT_EQ(TextOf(ReadGood(Nested(256)).Paragraphs.at(0)), "x");
    const auto document = ReadGood("{\\rtf1\\li2147483647\\ri-2147483648\\bin3 }}}x}");
    EXPECT_EQ(document.Paragraphs.at(0).Format.LeftIndent, 2147483647);
    EXPECT_EQ(document.Paragraphs.at(0).Format.RightIndent, -2147483647 - 1);
    EXPECT_EQ(TextOf(document.Paragraphs.at(0)), "x");
}

TEST(RtfReader, ReadingPastFaultsKeepsTheTextAndNamesTheFirstFault) {
    for (const FaultCase& bad : FaultCases()) {
        const TRtfReadResult result = ReadRtf(bad.bytes, TRtfRecovery::ReadPastFaults);
        ASSERT_TRUE(result.Fault) << bad.name;
        EXPECT_EQ(*result.Fault, (TRtfFault{bad.offset, bad.what})) << bad.name;
    }
    // Open groups close at the end; the text read so far stays.
    const auto open = ReadRtf("{\\rtf1{\\b one\\par two", TRtfRecovery::ReadPastFaults);
    ASSERT_EQ(open.Document.Paragraphs.size(), 2u);
    EXPECT_EQ(TextOf(open.Document.Paragraphs[1]), "two");
    EXPECT_TRUE(open.Document.Paragraphs[1].Runs.at(0).Format.Bold);
    // Groups past the limit read as part of the deepest allowed one.
    const auto deep =
        ReadRtf("{\\rtf1" + std::string(300, '{') + "\\b deep" + std::string(300, '}') + " plain}",
                TRtfRecovery::ReadPastFaults);
    ASSERT_EQ(deep.Document.Paragraphs.size(), 1u);
    const auto& runs = deep.Document.Paragraphs[0].Runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].Format.Bold);
    EXPECT_EQ(runs[1].Text, " plain");
    EXPECT_FALSE(runs[1].Format.Bold);
    // A broken escape is skipped, a huge number clamped.
    const auto broken = ReadRtf("{\\rtf1 a\\'zzb\\fs99999999999 c}", TRtfRecovery::ReadPastFaults);
    EXPECT_EQ(TextOf(broken.Document.Paragraphs.at(0)), "azzbc");
    EXPECT_EQ(broken.Document.Paragraphs[0].Runs.back().Format.HalfPoints, 2147483647);
}

} // namespace
} // namespace brelvane
