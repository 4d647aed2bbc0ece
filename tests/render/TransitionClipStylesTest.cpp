#include "TransitionTestImages.h"
#include "render/UniformRandom.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

constexpr int W = 200;
constexpr int H = 100;

// Clip styles on a 200 x 100 picture at step 4 (step span 9), old and new in plain colours.
class ClipStyles : public ::testing::Test {
protected:
    QImage Frame(int style, int progress) const { return Draw(style, old_, new_, 4, progress); }

    static bool IsNew(const QImage& frame, int x, int y) { return frame.pixel(x, y) == kNew; }

    // The first column of a row that shows the new picture; W when none does.
    static int FirstNew(const QImage& frame, int y) {
        int x = 0;
        while (x < W && !IsNew(frame, x, y))
            ++x;
        return x;
    }

    const QImage old_ = Uniform(W, H, kOld);
    const QImage new_ = Uniform(W, H, kNew);
};

TEST_F(ClipStyles, BarsFromTheRightFillOneStripInTwoFirst) {
    // A = 2X = 100: strips at rows 0..4, 10..14, ... grow from the right.
    const QImage first = Frame(60, 25);
    for (const int y : {0, 4, 90}) {
        EXPECT_FALSE(IsNew(first, 99, y));
        EXPECT_TRUE(IsNew(first, 100, y));
    }
    EXPECT_EQ(FirstNew(first, 5), W);
    EXPECT_EQ(FirstNew(first, 9), W);
    // A = 300: the first strips are full and the others grow from 2W - A = 100.
    const QImage second = Frame(60, 75);
    EXPECT_EQ(FirstNew(second, 2), 0);
    EXPECT_EQ(FirstNew(second, 7), 100);
}

TEST_F(ClipStyles, BarsSnapToTheEdgeWithinAStepSpan) {
    // A = 192 and 192 + 9 > 200: the strip is drawn full.
    EXPECT_EQ(FirstNew(Frame(60, 48), 0), 0);
    EXPECT_EQ(FirstNew(Frame(60, 45), 0), 20);
}

TEST_F(ClipStyles, CrissCrossAddsColumnsFromTheBottom) {
    // B = 2Y = 50: columns 0..4, 10..14, ... from row 50 down.
    const QImage frame = Frame(86, 25);
    EXPECT_TRUE(IsNew(frame, 2, 60));
    EXPECT_FALSE(IsNew(frame, 7, 60));
    EXPECT_FALSE(IsNew(frame, 2, 40));
}

TEST_F(ClipStyles, CrissCrossFromBottomLeftTopRightShowsOnlyWhereBothMeet) {
    const QImage frame = Frame(99, 25);
    EXPECT_TRUE(IsNew(frame, 102, 2));   // right strip and top column
    EXPECT_FALSE(IsNew(frame, 2, 2));    // left strip only
    EXPECT_FALSE(IsNew(frame, 102, 60)); // right strip and bottom column only
}

TEST_F(ClipStyles, ShredStripsJitterAroundTheirReach) {
    TransitionRandom().Seed(7);
    const QImage frame = Frame(65, 50);
    bool jittered = false;
    for (int strip = 0; strip < H; strip += 5) {
        const int start = FirstNew(frame, strip);
        // W - X = 100 and the jitter r - r' lies within W div 7 = 28 either way.
        EXPECT_GT(start, 100 - 28);
        EXPECT_LT(start, 100 + 28);
        for (int y = strip; y < strip + 5; ++y) {
            EXPECT_EQ(FirstNew(frame, y), start);
            EXPECT_TRUE(IsNew(frame, W - 1, y));
        }
        jittered = jittered || start != FirstNew(frame, 0);
    }
    EXPECT_TRUE(jittered);
}

TEST_F(ClipStyles, ShredsRepeatForTheSameSeed) {
    TransitionRandom().Seed(11);
    const QImage once = Frame(108, 40);
    TransitionRandom().Seed(11);
    EXPECT_EQ(Frame(108, 40), once);
    TransitionRandom().Seed(12);
    EXPECT_NE(Frame(108, 40), once);
}

TEST_F(ClipStyles, SpecklesLeadTheBandWithinTheirZone) {
    // X = 100, zone W div 10 = 20, speckles 2 x 2: the one beside the band always shows.
    TransitionRandom().Seed(3);
    const QImage frame = Frame(123, 50);
    int speckled = 0;
    for (int y = 0; y < H; ++y) {
        EXPECT_TRUE(IsNew(frame, 100, y));
        EXPECT_TRUE(IsNew(frame, 98, y));
        EXPECT_FALSE(IsNew(frame, 79, y));
        for (int x = 80; x < 98; ++x)
            speckled += IsNew(frame, x, y) ? 1 : 0;
    }
    EXPECT_GT(speckled, 0);
    EXPECT_LT(speckled, 18 * H);
}

TEST_F(ClipStyles, DiagonalRevealIsATriangle) {
    // (0, 0), (2X, 0), (0, 2Y) = (0, 0), (200, 0), (0, 100).
    const QImage frame = Frame(110, 50);
    EXPECT_TRUE(IsNew(frame, 10, 10));
    EXPECT_TRUE(IsNew(frame, 90, 40));
    EXPECT_FALSE(IsNew(frame, 110, 60));
    EXPECT_FALSE(IsNew(frame, 190, 90));
}

TEST_F(ClipStyles, CircularRevealsGrowFromAndShrinkToTheCentre) {
    // (40, 20, 160, 80) with corner ellipses of 108 x 54.
    const QImage from = Frame(84, 30);
    EXPECT_TRUE(IsNew(from, 100, 50));
    EXPECT_TRUE(IsNew(from, 42, 50));
    EXPECT_TRUE(IsNew(from, 100, 21));
    EXPECT_FALSE(IsNew(from, 41, 21));
    EXPECT_FALSE(IsNew(from, 20, 50));
    const QImage to = Frame(85, 90);
    EXPECT_FALSE(IsNew(to, 100, 50));
    EXPECT_TRUE(IsNew(to, 10, 10));
    EXPECT_TRUE(IsNew(to, 100, 5));
}

TEST_F(ClipStyles, SweepClockwiseCoversAQuarterAtProgress26) {
    // 26 points from the top, 3.6 degrees apart: top to the right.
    const QImage frame = Frame(143, 26);
    EXPECT_TRUE(IsNew(frame, 150, 25));
    EXPECT_FALSE(IsNew(frame, 150, 75));
    EXPECT_FALSE(IsNew(frame, 50, 25));
    EXPECT_FALSE(IsNew(Frame(144, 26), 150, 25));
    EXPECT_TRUE(IsNew(Frame(144, 26), 50, 25));
}

TEST_F(ClipStyles, RotationalRectangleTurnsAboutTheCentre) {
    // A half-size of 25 x 12 turned by a quarter at progress 25.
    const QImage frame = Frame(149, 25);
    EXPECT_TRUE(IsNew(frame, 100, 70));
    EXPECT_FALSE(IsNew(frame, 120, 50));
}

TEST_F(ClipStyles, BlindsShowPPercentOfEveryPeriod) {
    // Period W div S = 22, slats of 11.
    const QImage even = Frame(136, 50);
    EXPECT_TRUE(IsNew(even, 0, 5));
    EXPECT_TRUE(IsNew(even, 10, 5));
    EXPECT_FALSE(IsNew(even, 11, 5));
    EXPECT_FALSE(IsNew(even, 21, 5));
    EXPECT_TRUE(IsNew(even, 22, 5));
    // Period X = 100 counted from the right: slats (150, 200) and (50, 100).
    const QImage fromRight = Frame(139, 50);
    EXPECT_TRUE(IsNew(fromRight, 160, 5));
    EXPECT_FALSE(IsNew(fromRight, 120, 5));
    EXPECT_TRUE(IsNew(fromRight, 60, 5));
    EXPECT_FALSE(IsNew(fromRight, 20, 5));
}

TEST_F(ClipStyles, RectanglesCombineBandsAndUnevenColumns) {
    // Bands of height 4 centred at 5, 16, ...; columns (0, 50) and (100, 150).
    const QImage frame = Frame(145, 50);
    EXPECT_TRUE(IsNew(frame, 75, 4));
    EXPECT_FALSE(IsNew(frame, 75, 10));
    EXPECT_TRUE(IsNew(frame, 25, 10));
}

TEST_F(ClipStyles, RectangularShredGrowsAtTheGridPoints) {
    // Grid 50 x 25 (n = 4), half-size X div S = 11 by Y div S = 5.
    const QImage frame = Frame(142, 50);
    EXPECT_TRUE(IsNew(frame, 50, 25));
    EXPECT_TRUE(IsNew(frame, 60, 29));
    EXPECT_FALSE(IsNew(frame, 50, 31));
    EXPECT_FALSE(IsNew(frame, 38, 25));
}

TEST_F(ClipStyles, RandomSquaresAreTheSameEveryRunAndStayShown) {
    TransitionRandom().Seed(1);
    const QImage early = Frame(127, 30);
    TransitionRandom().Seed(99);
    EXPECT_EQ(Frame(127, 30), early);
    const QImage later = Frame(127, 60);
    int shown = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (IsNew(early, x, y)) {
                ++shown;
                ASSERT_TRUE(IsNew(later, x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, W * H);
}

} // namespace
} // namespace brelvane::test
