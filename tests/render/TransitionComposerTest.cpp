#include "render/TransitionComposer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace brelvane {
namespace {

QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TTransitionImages Images(int w, int h) {
    return {Filled(w, h, qRgb(200, 0, 0)), Filled(w, h, qRgb(0, 0, 200)),
            Filled(w, h, qRgb(9, 9, 9))};
}

int CountOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

TEST(TransitionStepping, DefaultStepRunsTwentyFiveFramesEndingOnTheWholePicture) {
    std::vector<int> seen;
    for (int progress = 0; !ProgressAtEnd(progress, false);) {
        progress = NextProgress(progress, 4, false);
        seen.push_back(progress);
    }
    ASSERT_EQ(seen.size(), 25u);
    EXPECT_EQ(seen.front(), 4);
    EXPECT_EQ(seen[23], 96);
    EXPECT_EQ(seen.back(), 100);
}

TEST(TransitionStepping, ReverseRunsDownToZeroAndAWholeStepIsOneFrame) {
    EXPECT_EQ(NextProgress(100, 30, true), 70);
    EXPECT_EQ(NextProgress(10, 30, true), 0);
    EXPECT_EQ(NextProgress(30, 30, true), 0);
    EXPECT_TRUE(ProgressAtEnd(0, true));
    EXPECT_FALSE(ProgressAtEnd(100, true));
    EXPECT_EQ(NextProgress(0, 100, false), 100);
    // A step that lands exactly on the end is the end, not one step short.
    EXPECT_EQ(NextProgress(50, 50, false), 100);
}

TEST(UpdateFrame, EveryFrameStartsFromTheOldImageAndHooksRunInOrder) {
    auto images = Images(20, 10);
    std::vector<std::string> calls;
    TFrameHooks hooks;
    hooks.BeforeNewFrame = [&](const QImage&, QImage& frame) {
        calls.push_back("before");
        // The old image is in place before anything of the new picture.
        EXPECT_EQ(CountOf(frame, qRgb(200, 0, 0)), 200);
    };
    hooks.AfterNewFrame = [&](const QImage&, QImage&) { calls.push_back("after"); };
    hooks.CustomDraw = [&](const QImage&, QImage&) { calls.push_back("custom"); };
    // Reveal from left at 50: the left half is the new picture.
    const QRect changed = UpdateFrame(images, 5, 4, 50, hooks);
    EXPECT_EQ(calls, (std::vector<std::string>{"before", "after"}));
    EXPECT_EQ(changed, QRect(0, 0, 20, 10));
    EXPECT_EQ(CountOf(images.Frame, qRgb(0, 0, 200)), 100);
    EXPECT_EQ(images.Frame.pixel(0, 0) & 0xFFFFFF, 0x0000C8u);
    EXPECT_EQ(images.Frame.pixel(19, 0) & 0xFFFFFF, 0xC80000u);
}

TEST(UpdateFrame, EndsShowWholePicturesAndStyleZeroIsDrawnByTheHost) {
    auto images = Images(8, 8);
    int custom = 0;
    TFrameHooks hooks;
    hooks.CustomDraw = [&](const QImage& picture, QImage& frame) {
        ++custom;
        frame.setPixel(3, 3, picture.pixel(3, 3));
    };
    UpdateFrame(images, 0, 4, 40, hooks);
    EXPECT_EQ(custom, 1);
    EXPECT_EQ(CountOf(images.Frame, qRgb(0, 0, 200)), 1);
    // 100 is the new picture whatever the style, without the host.
    UpdateFrame(images, 0, 4, 100, hooks);
    EXPECT_EQ(custom, 1);
    EXPECT_EQ(CountOf(images.Frame, qRgb(0, 0, 200)), 64);
    UpdateFrame(images, 118, 4, 100, hooks);
    EXPECT_EQ(CountOf(images.Frame, qRgb(0, 0, 200)), 64);
    // 0 leaves the old image, even for a style that would draw.
    UpdateFrame(images, 53, 4, 0, hooks);
    EXPECT_EQ(CountOf(images.Frame, qRgb(200, 0, 0)), 64);
}

TEST(UpdateFrame, PicturesNotInThirtyTwoBitsAreDrawnAllTheSame) {
    auto images = Images(6, 4);
    images.Old = images.Old.convertToFormat(QImage::Format_RGB888);
    UpdateFrame(images, 5, 4, 0, {});
    EXPECT_EQ(CountOf(images.Frame, qRgb(200, 0, 0)), 24);
    const QImage same = Filled(3, 3, qRgb(1, 2, 3));
    EXPECT_EQ(ToFrameFormat(same).constBits(), same.constBits());
    EXPECT_EQ(ToFrameFormat(same.convertToFormat(QImage::Format_RGB16)).format(),
              QImage::Format_RGB32);
}

TEST(AspectFit, KeepsTheRatioAndCentresWithTruncatedHalves) {
    // Wider box than the picture's ratio: full height.
    EXPECT_EQ(AspectFit({200, 100}, QRect(10, 20, 300, 100)), QRect(60, 20, 200, 100));
    // Taller box: full width, height 66.7 rounded to 67, top h(33) = 16.
    EXPECT_EQ(AspectFit({300, 200}, QRect(0, 0, 100, 100)), QRect(0, 16, 100, 67));
    // Equal ratios take the second branch: width by MulDiv, full height.
    EXPECT_EQ(AspectFit({4, 3}, QRect(0, 0, 8, 6)), QRect(0, 0, 8, 6));
}

TEST(ImageStyleFitting, ShrinkFitKeepsSmallPicturesAndScalesLargeOnes) {
    const QSize box(200, 100);
    // Fits: kept and centred.
    EXPECT_EQ(FittedPictureRect({50, 40}, box, imShrinkFit), QRect(75, 30, 50, 40));
    // Both sides too large, height decides: 100 / 300 * 400 = 133.3 -> 133.
    EXPECT_EQ(FittedPictureRect({400, 300}, box, imShrinkFit), QRect(33, 0, 133, 100));
    // Both too large, the width from the height would exceed: width decides.
    EXPECT_EQ(FittedPictureRect({1000, 300}, box, imShrinkFit), QRect(0, 20, 200, 60));
    // Only the height too large.
    EXPECT_EQ(FittedPictureRect({150, 300}, box, imShrinkFit), QRect(75, 0, 50, 100));
    // Only the width too large: 200 / 400 * 50 = 25.
    EXPECT_EQ(FittedPictureRect({400, 50}, box, imShrinkFit), QRect(0, 37, 200, 25));
}

TEST(ImageStyleFitting, EnlargeFitGrowsFittingPicturesAndRoundsHalvesToEven) {
    const QSize box(200, 100);
    EXPECT_EQ(FittedPictureRect({50, 40}, box, imEnlargeFit), QRect(37, 0, 125, 100));
    EXPECT_EQ(FittedPictureRect({400, 300}, box, imEnlargeFit), QRect(33, 0, 133, 100));
    // 100 / 40 * 5 = 12.5: ties go to the even 12.
    EXPECT_EQ(FittedPictureRect({5, 40}, box, imEnlargeFit), QRect(94, 0, 12, 100));
    // 100 / 40 * 7 = 17.5 -> 18.
    EXPECT_EQ(FittedPictureRect({7, 40}, box, imEnlargeFit), QRect(91, 0, 18, 100));
}

TEST(ImageStyleFitting, NormalCentreStretchAndSizesBelowOne) {
    const QSize box(100, 80);
    EXPECT_EQ(FittedPictureRect({30, 20}, box, imNormal), QRect(0, 0, 30, 20));
    EXPECT_EQ(FittedPictureRect({30, 20}, box, imCenter), QRect(35, 30, 30, 20));
    EXPECT_EQ(FittedPictureRect({31, 21}, box, imCenter), QRect(34, 29, 31, 21));
    EXPECT_EQ(FittedPictureRect({300, 20}, box, imCenter), QRect(-100, 30, 300, 20));
    EXPECT_EQ(FittedPictureRect({30, 20}, box, imStretch), QRect(0, 0, 100, 80));
    EXPECT_EQ(FittedPictureRect({30, 20}, box, 9), QRect(0, 0, 30, 20));
    EXPECT_EQ(FittedPictureRect({0, 0}, {0, 0}, imEnlargeFit), QRect(0, 0, 1, 1));
}

TEST(ImageStyleFitting, ComposedFrameHasTheBoxSizeAndBackground) {
    const QImage picture = Filled(10, 10, qRgb(0, 255, 0));
    const QImage frame = ComposeFitted(picture, {40, 20}, qRgb(1, 1, 1), imCenter);
    EXPECT_EQ(frame.size(), QSize(40, 20));
    EXPECT_EQ(frame.format(), QImage::Format_RGB32);
    EXPECT_EQ(CountOf(frame, qRgb(0, 255, 0)), 100);
    EXPECT_EQ(frame.pixel(15, 5) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(frame.pixel(0, 0) & 0xFFFFFF, 0x010101u);
    EXPECT_EQ(CountOf(ComposeFitted(QImage(), {4, 4}, qRgb(7, 7, 7), imCenter), qRgb(7, 7, 7)), 16);
}

TEST(FrameInvalidation, UnstretchedIsOffsetAndClippedStretchedIsScaled) {
    const QRect picRect(10, 5, 100, 50);
    const QRect client(0, 0, 300, 200);
    EXPECT_EQ(MapFrameRect(QRect(0, 0, 100, 50), picRect, client, false, false),
              QRect(10, 5, 100, 50));
    EXPECT_EQ(MapFrameRect(QRect(90, 40, 30, 30), picRect, client, false, false),
              QRect(100, 45, 10, 10));
    // Stretched over the client area: every edge scaled by MulDiv.
    EXPECT_EQ(MapFrameRect(QRect(50, 25, 50, 25), picRect, client, true, false),
              QRect(150, 100, 150, 100));
    // With the aspect kept the target is (0, 25, 300, 150).
    EXPECT_EQ(FrameTarget(picRect, client, true, true), QRect(0, 25, 300, 150));
    EXPECT_EQ(MapFrameRect(QRect(0, 0, 50, 25), picRect, client, true, true),
              QRect(0, 25, 150, 75));
}

} // namespace
} // namespace brelvane
