#include "objects/controls/AALabel.h"

#include "controls/AAControlTestKit.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

class AALabel : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        label = std::make_unique<TAALabel>(object, nullptr);
        label->SetFont(InkFont());
        TAAFontEffect effect;
        effect.BackColor = ColorValue(kPaper);
        label->SetEffect(effect);
        label->SetCaption("Menu");
    }
    // The caption's size as the label measures it.
    QSize CaptionSize() {
        TAALabel probe(object, nullptr);
        probe.SetFont(label->Font());
        probe.SetCaption(label->Caption());
        probe.SetBorder(0);
        Painted(probe);
        return probe.size();
    }

    TAutoObject object;
    std::unique_ptr<TAALabel> label;
};

TEST_F(AALabel, AutoSizeShrinksToTheCaptionOnTheFirstPaint) {
    label->resize(105, 25);
    label->SetBorder(3);
    EXPECT_EQ(label->size(), QSize(105, 25));
    Painted(*label);
    const QSize text = CaptionSize();
    EXPECT_LT(text.width(), 105);
    EXPECT_EQ(label->size(), text + QSize(6, 6));
    EXPECT_EQ(label->TextPosition(), QPoint(3, 3));
}

TEST_F(AALabel, DockedLabelsKeepTheSideTheirParentSets) {
    const QSize text = CaptionSize();
    label->resize(105, 40);
    label->SetAlign(alTop);
    Painted(*label);
    EXPECT_EQ(label->size(), QSize(105, text.height()));

    label->resize(105, 40);
    label->SetAlign(alLeft);
    EXPECT_EQ(label->size(), QSize(text.width(), 40));

    label->resize(105, 40);
    label->SetAlign(alClient);
    EXPECT_EQ(label->size(), QSize(105, 40));
}

TEST_F(AALabel, CaptionPlacedByAlignmentAndLayout) {
    label->SetAutoSize(false);
    label->resize(120, 50);
    label->SetBorder(4);
    const QSize text = CaptionSize();
    TAAFontEffect effect = label->Effect();
    struct Case {
        std::uint8_t Alignment, Layout;
        QPoint At;
    };
    for (const Case& c :
         {Case{taLeftJustify, tlTop, {4, 4}},
          Case{taRightJustify, tlBottom, {120 - 4 - text.width(), 50 - 4 - text.height()}},
          Case{taCenter, tlCenter, {(120 - text.width()) / 2, (50 - text.height()) / 2}}}) {
        effect.Alignment = c.Alignment;
        effect.Layout = c.Layout;
        label->SetEffect(effect);
        const QImage shown = Painted(*label);
        EXPECT_EQ(label->TextPosition(), c.At) << int(c.Alignment);
        const QRect ink = InkBounds(shown);
        ASSERT_TRUE(ink.isValid());
        EXPECT_TRUE(QRect(c.At, text).contains(ink)) << int(c.Alignment);
    }
}

TEST_F(AALabel, OpaqueLabelFillsItsColourAndDrawsTheCaption) {
    const QImage shown = Painted(*label);
    EXPECT_GT(InkOf(shown), 10);
    EXPECT_EQ(shown.pixelColor(0, 0), kPaper);
    EXPECT_EQ(label->Picture().size(), label->size());
}

TEST_F(AALabel, ChangesWaitForTheFirstPaintAndForPendingUpdates) {
    // Not yet painted: nothing is measured.
    label->resize(200, 60);
    label->SetCaption("A much longer caption");
    EXPECT_EQ(label->size(), QSize(200, 60));
    Painted(*label);
    const QSize longCaption = label->size();

    label->BeginUpdate();
    label->SetCaption("Hi");
    label->SetBorder(2);
    EXPECT_EQ(label->size(), longCaption);
    label->EndUpdate();
    EXPECT_LT(label->width(), longCaption.width());
    const QSize shortCaption = label->size();

    label->SetAutoUpdate(false);
    label->SetCaption("A much longer caption");
    EXPECT_EQ(label->size(), shortCaption);
    label->Rebuild();
    EXPECT_EQ(label->size(), longCaption + QSize(4, 4));
}

// Behind a transparent control: the parent and the earlier, visible,
// overlapping siblings, but not the later ones.
TEST(AATransparency, ShowsTheParentAndEarlierOverlappingSiblings) {
    EnsureApplication();
    const QColor parentColor(200, 0, 0), earlierColor(0, 180, 0), hiddenColor(0, 0, 0),
        laterColor(0, 0, 220);
    auto parent = SolidParent(parentColor);
    auto sibling = [&](QColor color, QRect at) {
        auto* widget = SolidParent(color, at.size()).release();
        widget->setParent(parent.get());
        widget->move(at.topLeft());
        return widget;
    };
    sibling(earlierColor, {10, 10, 50, 80});
    sibling(hiddenColor, {70, 10, 20, 80})->hide();
    TAutoObject object;
    TAALabel label(object, parent.get());
    label.setGeometry(30, 20, 100, 40);
    label.SetAutoSize(false);
    TAAFontEffect effect;
    effect.Transparent = true;
    label.SetEffect(effect);
    label.SetFont(InkFont());
    label.SetCaption("Over");
    sibling(laterColor, {0, 0, 300, 200});

    const QImage shown = Painted(label);
    EXPECT_EQ(shown.pixelColor(0, 0), earlierColor);
    EXPECT_EQ(shown.pixelColor(29, 39), earlierColor);
    EXPECT_EQ(shown.pixelColor(30, 39), parentColor);
    EXPECT_EQ(shown.pixelColor(99, 0), parentColor);
    EXPECT_EQ(CountOf(shown, laterColor), 0);
    EXPECT_EQ(CountOf(shown, hiddenColor), 0);
    EXPECT_GT(InkOf(shown), 10);
}

} // namespace
} // namespace brelvane
