#include "TransitionTestImages.h"

#include <gtest/gtest.h>
#include <vector>

namespace brelvane::test {
namespace {

// An even step span (225 x 180 at step 4 gives 10), so that the rectangular shred closes.
constexpr int kWidth = 225;
constexpr int kHeight = 180;
constexpr int kStep = 4;

// The styles that only show the new picture in place (show or clip, no squeeze, move, blend
// or turn), whose share of the new picture can only grow.
std::vector<int> RevealingStyles() {
    std::vector<int> styles{5, 6, 11, 12, 22, 23, 28, 29, 43, 44, 45, 46, 53, 54, 55};
    const auto add = [&](int from, int to) {
        for (int style = from; style <= to; ++style)
            styles.push_back(style);
    };
    add(58, 117);
    add(123, 127);
    add(136, TransitionStyleCount);
    return styles;
}

class TransitionCoverage : public ::testing::TestWithParam<int> {
protected:
    // Small cells tell a zoomed sliver of the picture from the picture in place; large cells
    // let a copy that is off by a pixel or two, as squeezes and turns are near the end, count.
    double ShareAt(int progress, int cellWidth = 25, int cellHeight = 20) const {
        const QImage picture = Cells(kWidth, kHeight, cellWidth, cellHeight);
        return ShareOf(picture,
                       Draw(GetParam(), Uniform(kWidth, kHeight, kOld), picture, kStep, progress));
    }
};

TEST_P(TransitionCoverage, StartsOldAndEndsNew) {
    EXPECT_LE(ShareAt(1), 0.12);
    EXPECT_GE(ShareAt(99, 75, 60), 0.9);
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, TransitionCoverage,
                         ::testing::Range(1, TransitionStyleCount + 1));

class TransitionReveal : public TransitionCoverage {};

TEST_P(TransitionReveal, RevealsMoreAsProgressGrows) {
    double previous = 0;
    for (const int progress : {10, 30, 50, 70, 90}) {
        const double share = ShareAt(progress);
        EXPECT_GE(share, previous) << "at progress " << progress;
        previous = share;
    }
}

INSTANTIATE_TEST_SUITE_P(RevealingStyles, TransitionReveal, ::testing::ValuesIn(RevealingStyles()));

} // namespace
} // namespace brelvane::test
