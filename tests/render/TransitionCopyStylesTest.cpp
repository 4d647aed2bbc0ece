#include "TransitionTestImages.h"
#include "render/TransitionFrame.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

constexpr int W = 200;
constexpr int H = 100;

TEST(TransitionGeometry, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(200, 50, 100), 100);
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(2, 1, 3), 1);
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(1 << 30, 1 << 30, 1 << 30), 1 << 30);
}

TEST(TransitionGeometry, FollowsTheLongerSide) {
    QImage wide(W, H, QImage::Format_RGB32);
    const TransitionFrame across(wide, wide, wide.rect(), 4, 50);
    EXPECT_EQ(across.X, 100);
    EXPECT_EQ(across.Y, 50);
    EXPECT_EQ(across.S, 9);
    QImage tall(H, W, QImage::Format_RGB32);
    const TransitionFrame down(tall, tall, tall.rect(), 4, 33);
    EXPECT_EQ(down.Y, 66);
    EXPECT_EQ(down.X, 33);
}

class CopyStyles : public ::testing::Test {
protected:
    QImage Frame(int style, int progress, int step = 4) const {
        return Draw(style, old_, picture_, step, progress);
    }
    // Expects frame pixel (x, y) to be the picture's (or the old image's) pixel (sx, sy).
    static void ExpectFrom(const QImage& frame, int x, int y, int sx, int sy, bool old) {
        const QRgb pixel = frame.pixel(x, y);
        EXPECT_EQ(FromOld(pixel), old) << "at " << x << "," << y;
        EXPECT_EQ(SourceX(pixel), sx) << "at " << x << "," << y;
        EXPECT_EQ(SourceY(pixel), sy) << "at " << x << "," << y;
    }

    const QImage old_ = Coordinates(W, H, true);
    const QImage picture_ = Coordinates(W, H);
};

TEST_F(CopyStyles, RevealFromLeftShowsTheLeftHalfAtHalfway) {
    const QImage frame = Frame(5, 50);
    for (const int y : {0, 50, 99}) {
        ExpectFrom(frame, 0, y, 0, y, false);
        ExpectFrom(frame, 99, y, 99, y, false);
        ExpectFrom(frame, 100, y, 100, y, true);
        ExpectFrom(frame, 199, y, 199, y, true);
    }
}

TEST_F(CopyStyles, ExpandOutFromCentreSqueezesTheWholePictureIntoTheMiddle) {
    // (50, 25, 150, 75) at half scale: each frame pixel samples the centre of its 2 x 2 block.
    const QImage frame = Frame(52, 50);
    ExpectFrom(frame, 50, 25, 1, 1, false);
    ExpectFrom(frame, 149, 74, 199, 99, false);
    ExpectFrom(frame, 100, 50, 101, 51, false);
    ExpectFrom(frame, 49, 50, 49, 50, true);
    ExpectFrom(frame, 150, 50, 150, 50, true);
    ExpectFrom(frame, 100, 24, 100, 24, true);
    ExpectFrom(frame, 100, 75, 100, 75, true);
}

TEST_F(CopyStyles, SlideInFromRightMovesThePictureUnscaled) {
    const QImage frame = Frame(3, 25);
    for (const int y : {0, 99}) {
        ExpectFrom(frame, 149, y, 149, y, true);
        ExpectFrom(frame, 150, y, 0, y, false);
        ExpectFrom(frame, 199, y, 49, y, false);
    }
}

TEST_F(CopyStyles, PushRightMovesTheOldImageAlong) {
    const QImage frame = Frame(128, 50);
    for (const int y : {0, 42, 99}) {
        ExpectFrom(frame, 0, y, 100, y, false);
        ExpectFrom(frame, 99, y, 199, y, false);
        ExpectFrom(frame, 100, y, 0, y, true);
        ExpectFrom(frame, 199, y, 99, y, true);
    }
}

TEST_F(CopyStyles, PushAndSqueezeLeftSqueezesTheOldImage) {
    const QImage frame = Frame(131, 50);
    ExpectFrom(frame, 0, 7, 1, 7, true);
    ExpectFrom(frame, 99, 7, 199, 7, true);
    ExpectFrom(frame, 100, 7, 0, 7, false);
    ExpectFrom(frame, 199, 7, 99, 7, false);
}

TEST_F(CopyStyles, PushUpMovesAlongTheVerticalAxis) {
    const QImage frame = Frame(133, 50);
    ExpectFrom(frame, 10, 0, 10, 50, true);
    ExpectFrom(frame, 10, 49, 10, 99, true);
    ExpectFrom(frame, 10, 50, 10, 0, false);
    ExpectFrom(frame, 10, 99, 10, 49, false);
}

TEST_F(CopyStyles, UnrollFromLeftTurnsThePictureOverAtTheRollEdge) {
    // X = 100 is neither near the start nor the end: the roll edge is X + W div 10 = 120.
    const QImage frame = Frame(14, 50);
    ExpectFrom(frame, 99, 3, 99, 3, false);
    ExpectFrom(frame, 100, 3, 139, 3, false);
    ExpectFrom(frame, 119, 3, 120, 3, false);
    ExpectFrom(frame, 120, 3, 120, 3, true);
}

TEST_F(CopyStyles, UnrollFromBottomRollsUpward) {
    // Y = 50, E = 50, roll edge 50 - H div 10 = 40: rows 40..49 show rows 39 down to 30.
    const QImage frame = Frame(32, 50);
    ExpectFrom(frame, 5, 50, 5, 50, false);
    ExpectFrom(frame, 5, 49, 5, 30, false);
    ExpectFrom(frame, 5, 40, 5, 39, false);
    ExpectFrom(frame, 5, 39, 5, 39, true);
}

TEST_F(CopyStyles, BuildUpAlongTheVerticalStretchesTheNextRowsOverTheRest) {
    // Style 33: rows 0..49 in place, rows 50..60 (H div S = 11) stretched over rows 50..99.
    const QImage frame = Frame(33, 50);
    ExpectFrom(frame, 3, 49, 3, 49, false);
    ExpectFrom(frame, 3, 50, 3, 50, false);
    ExpectFrom(frame, 3, 99, 3, 60, false);
}

TEST_F(CopyStyles, QuartersSlideInTowardsTheMiddle) {
    // h(X) = 50 of h(W) = 100: each quarter has come half of its way.
    const QImage frame = Frame(57, 50);
    ExpectFrom(frame, 0, 10, 50, 10, false);    // top left, from the left
    ExpectFrom(frame, 150, 0, 150, 25, false);  // top right, from the top
    ExpectFrom(frame, 199, 60, 149, 60, false); // bottom right, from the right
    ExpectFrom(frame, 10, 99, 10, 74, false);   // bottom left, from the bottom
    ExpectFrom(frame, 60, 10, 60, 10, true);
}

} // namespace
} // namespace brelvane::test
