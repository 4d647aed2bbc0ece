#include "TransitionTestImages.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// Tiny and one-pixel-thin pictures, where X, Y, the step span and the blind periods come out
// as 0 or 1, at the smallest and the largest step and every progress.
class TransitionRobustness : public ::testing::TestWithParam<int> {};

TEST_P(TransitionRobustness, DrawsAnySizeWithoutChangingTheBitmaps) {
    const TEffect& style = TransitionStyles()[static_cast<std::size_t>(GetParam() - 1)];
    for (const QSize size : {QSize(1, 1), QSize(1, 300), QSize(300, 1), QSize(7, 5)}) {
        const QImage picture = Coordinates(size.width(), size.height());
        for (const int step : {1, 100}) {
            for (int progress = 1; progress <= 99; ++progress) {
                QImage frame = Uniform(size.width(), size.height(), kOld);
                style.Proc(frame, picture, frame.rect(), step, progress);
                ASSERT_EQ(frame.size(), size) << "step " << step << " progress " << progress;
                ASSERT_EQ(frame.format(), QImage::Format_RGB32);
                // Nothing may be left painting on (or clipping) the frame.
                ASSERT_FALSE(frame.paintingActive());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, TransitionRobustness,
                         ::testing::Range(1, TransitionStyleCount + 1));

TEST(TransitionStyleBitmaps, LeavesBitmapsThatAreNot32BitsUntouched) {
    QImage frame = Uniform(20, 10, kOld, QImage::Format_RGB888);
    const QImage before = frame.copy();
    const QImage picture = Uniform(20, 10, kNew, QImage::Format_RGB888);
    for (const TEffect& style : TransitionStyles())
        style.Proc(frame, picture, frame.rect(), 4, 50);
    EXPECT_EQ(frame, before);
}

TEST(TransitionStyleBitmaps, DrawsOnlyInsideTheRectangle) {
    const QImage picture = Uniform(40, 30, kNew);
    for (int number = 1; number <= TransitionStyleCount; ++number) {
        QImage frame = Uniform(40, 30, kOld);
        TransitionStyles()[static_cast<std::size_t>(number - 1)].Proc(frame, picture,
                                                                      QRect(0, 0, 20, 15), 4, 99);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                if (x >= 20 || y >= 15) {
                    ASSERT_EQ(frame.pixel(x, y), kOld) << "style " << number;
                }
            }
        }
    }
}

} // namespace
} // namespace brelvane::test
