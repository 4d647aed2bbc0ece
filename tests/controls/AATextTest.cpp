#include "objects/controls/AAText.h"

#include "controls/AAControlTestKit.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

class AAText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        text = std::make_unique<TAAText>(object, nullptr);
        text->resize(200, 150);
        text->SetFont(InkFont(12));
        param.BackColor = ColorValue(kPaper);
        param.RowPitch = 0;
        SetLines("One\r\nTwo\r\n");
    }
    void SetLines(const std::string& lines) {
        param.Lines = lines;
        text->SetText(param);
    }
    // The height AutoSize gives `lines` in the text's current settings.
    int SizedHeight(const std::string& lines) {
        SetLines(lines);
        text->SetAutoSize(true);
        Painted(*text);
        const int height = text->height();
        text->SetAutoSize(false);
        text->resize(200, 150);
        return height;
    }
    static TFontLabels BigLabel() {
        TFontLabels labels;
        labels.Add({.Name = "Big", .Font = InkFont(30), .Effect = {}});
        return labels;
    }

    TAutoObject object;
    TTextParam param;
    std::unique_ptr<TAAText> text;
};

TEST_F(AAText, AutoSizeAddsRowsPitchAndBorder) {
    const int one = SizedHeight("One\r\n");
    EXPECT_EQ(SizedHeight("One\r\nTwo\r\n"), 2 * one);
    EXPECT_EQ(SizedHeight("One\r\n\r\nTwo\r\n"), 3 * one);
    param.RowPitch = 50;
    // The pitch comes after every row but the last.
    EXPECT_EQ(SizedHeight("One\r\nTwo\r\n"), 2 * one + static_cast<int>(std::lround(one * 0.5)));
    text->SetBorder(5);
    EXPECT_EQ(SizedHeight("One\r\n"), one + 10);
}

TEST_F(AAText, AutoSizeTakesTheWidestLineUnlessWrapping) {
    SetLines("Short\r\nA much longer line\r\n");
    text->SetAutoSize(true);
    Painted(*text);
    const int widest = text->width();
    SetLines("A much longer line\r\n");
    EXPECT_EQ(text->width(), widest);
    param.WordWrap = true;
    text->resize(60, 10);
    SetLines("A much longer line\r\n");
    EXPECT_EQ(text->width(), 60);
    EXPECT_GT(text->height(), SizedHeight("A\r\n") * 2);
}

TEST_F(AAText, WrappedPiecesStayInsideTheMargins) {
    param.WordWrap = true;
    text->SetBorder(6);
    text->resize(90, 150);
    SetLines("Several words that need more than one row here\r\n");
    const QRect ink = InkBounds(Painted(*text));
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.left(), 6);
    EXPECT_LE(ink.right(), 90 - 6);
    EXPECT_GT(ink.height(), 3 * 12);
}

TEST_F(AAText, FontLabelsReachAsFarAsTheirEffectSays) {
    text->SetFonts(BigLabel());
    const int plain = SizedHeight("One\r\nTwo\r\n");
    param.LabelEffect = kLabelEffectUntilNextLabel;
    const int carried = SizedHeight("<big>One\r\nTwo\r\n");
    param.LabelEffect = kLabelEffectOnlyALine;
    const int single = SizedHeight("<big>One\r\nTwo\r\n");
    EXPECT_GT(single, plain);
    EXPECT_GT(carried, single);
    // The tag itself is not drawn.
    SetLines("<Big>\r\n");
    EXPECT_EQ(InkOf(Painted(*text)), 0);
}

TEST_F(AAText, DrawingStopsBelowTheLastRowThatFits) {
    SetLines("One\r\n");
    text->resize(200, 10);
    const int rows = InkBounds(Painted(*text)).height();
    std::string many;
    for (int i = 0; i < 50; ++i)
        many += "Row\r\n";
    text->resize(200, 60);
    SetLines(many);
    const QRect ink = InkBounds(Painted(*text));
    EXPECT_LE(ink.bottom(), 59);
    EXPECT_GT(ink.height(), rows);
}

TEST_F(AAText, TransparentTextShowsWhatLiesBehind) {
    const QColor behind(10, 160, 90);
    auto parent = SolidParent(behind);
    TAAText over(object, parent.get());
    over.setGeometry(10, 10, 100, 50);
    param.Transparent = true;
    over.SetText(param);
    over.SetFont(InkFont(12));
    const QImage shown = Painted(over);
    EXPECT_EQ(shown.pixelColor(99, 49), behind);
    EXPECT_GT(InkOf(shown), 10);
}

} // namespace
} // namespace brelvane
