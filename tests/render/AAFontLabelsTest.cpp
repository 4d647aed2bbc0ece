#include "render/AAFontLabels.h"

#include "render/AAWrapLines.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TFontLabel Label(const char* name, const char* face, std::uint8_t alpha) {
    TFontLabel label;
    label.Name = name;
    label.Font.Name = face;
    label.Effect.Alpha = alpha;
    return label;
}

TFontLabels Labels() {
    TFontLabels labels;
    labels.Add(Label("Title1", "Arial", 40));
    labels.Add(Label("Small", "Verdana", 60));
    labels.Add(Label("Last", "Courier New", 80));
    return labels;
}

TEST(AAFontLabels, TagInAnyCaseAppliesTheLabelAndIsRemoved) {
    QString line = QStringLiteral("<TITLE1>Hello");
    TFont font;
    TAAEffect effect;
    EXPECT_TRUE(ApplyFontLabels(Labels(), line, font, effect));
    EXPECT_EQ(line, QStringLiteral("Hello"));
    EXPECT_EQ(font.Name, "Arial");
    EXPECT_EQ(effect.Alpha, 40);
}

TEST(AAFontLabels, LastMatchingLabelWinsAndOnlyFirstOccurrencesGo) {
    QString line = QStringLiteral("a<last>b<Title1>c<title1>d");
    TFont font;
    TAAEffect effect;
    EXPECT_TRUE(ApplyFontLabels(Labels(), line, font, effect));
    EXPECT_EQ(line, QStringLiteral("abc<title1>d"));
    EXPECT_EQ(font.Name, "Courier New");
    EXPECT_EQ(effect.Alpha, 80);
}

TEST(AAFontLabels, LineWithoutTagsKeepsFontAndEffect) {
    QString line = QStringLiteral("plain <unknown> text <Small");
    TFont font;
    TAAEffect effect;
    EXPECT_FALSE(ApplyFontLabels(Labels(), line, font, effect));
    EXPECT_EQ(line, QStringLiteral("plain <unknown> text <Small"));
    EXPECT_EQ(font, TFont{});
    EXPECT_EQ(effect, TAAEffect{});
}

TEST(AAFontLabels, ReachOfATagOverLines) {
    const QStringList lines{"<small>one", "two", "<title1>three", "four"};
    TFont base;
    base.Name = "Times New Roman";
    const auto only = ApplyFontLabelsToLines(Labels(), lines, base, TAAEffect{}, leOnlyALine);
    ASSERT_EQ(only.size(), 4u);
    EXPECT_EQ(only[0].Text, "one");
    EXPECT_EQ(only[0].Font.Name, "Verdana");
    EXPECT_EQ(only[1].Font.Name, "Times New Roman");
    EXPECT_EQ(only[1].Effect.Alpha, 100);
    EXPECT_EQ(only[2].Font.Name, "Arial");
    EXPECT_EQ(only[3].Font.Name, "Times New Roman");
    const auto until = ApplyFontLabelsToLines(Labels(), lines, base, TAAEffect{}, leUntilNextLabel);
    EXPECT_EQ(until[1].Font.Name, "Verdana");
    EXPECT_EQ(until[1].Effect.Alpha, 60);
    EXPECT_EQ(until[2].Text, "three");
    EXPECT_EQ(until[3].Font.Name, "Arial");
}

TEST(AAWrapLines, CutsAfterTheLastBreakCharacter) {
    EXPECT_EQ(WrapLines("The quick brown fox", 10), (QStringList{"The quick ", "brown fox"}));
    EXPECT_EQ(WrapLines("one,two;three four", 9), (QStringList{"one,two;", "three ", "four"}));
    EXPECT_EQ(WrapLines("a-b c.d e?f g!h", 4), (QStringList{"a-b ", "c.d ", "e?f ", "g!h"}));
    EXPECT_EQ(WrapLines("short", 10), QStringList{"short"});
    EXPECT_EQ(WrapLines("", 10), QStringList{""});
}

TEST(AAWrapLines, LineWithoutBreaksStaysWholeUntilOneComes) {
    EXPECT_EQ(WrapLines("abcdefghijkl mn", 5), (QStringList{"abcdefghijkl ", "mn"}));
    EXPECT_EQ(WrapLines("abcdefghijkl", 5), QStringList{"abcdefghijkl"});
}

TEST(AAWrapLines, QuotedRunsAreNotCutInside) {
    EXPECT_EQ(WrapLines("say 'a b c d e' now", 6), (QStringList{"say ", "'a b c d e' ", "now"}));
    EXPECT_EQ(WrapLines("x \"p q r s\" y", 4), (QStringList{"x ", "\"p q r s\" ", "y"}));
}

TEST(AAWrapLines, LineEndsAfterACutAreSkipped) {
    EXPECT_EQ(WrapLines("abc def\r\nghi", 5), (QStringList{"abc ", "def\r\nghi"}));
    EXPECT_EQ(WrapLines("abcd \r\nefgh", 5), (QStringList{"abcd ", "efgh"}));
}

TEST(AAWrapLines, CharacterOfTwoUnitsIsNotSplit) {
    const QString wide = QString::fromUtf8("ab\xF0\x9F\x98\x80"
                                           "cd");
    const QStringList pieces = WrapLines(wide, 3);
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(pieces[0], "ab");
    EXPECT_EQ(pieces[1], QString::fromUtf8("\xF0\x9F\x98\x80"
                                           "cd"));
}

TEST(AAWrapLines, AtLeastTwoColumns) {
    EXPECT_EQ(WrapLines("a b c", 0), WrapLines("a b c", 2));
    EXPECT_EQ(WrapLines("a b c", 2), (QStringList{"a ", "b ", "c"}));
}

} // namespace
} // namespace brelvane
