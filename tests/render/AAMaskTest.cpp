#include "render/AAMask.h"

#include "AATestImages.h"
#include "render/AAMaskEffects.h"

#include <QImage>
#include <gtest/gtest.h>
#include <stdexcept>

namespace brelvane {
namespace {

// A grey scratch of the given rows.
QImage ScratchOf(const std::vector<std::vector<int>>& rows) {
    QImage scratch(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
                   QImage::Format_Grayscale8);
    for (int y = 0; y < scratch.height(); ++y)
        for (int x = 0; x < scratch.width(); ++x)
            scratch.scanLine(y)[x] = static_cast<uchar>(rows[y][x]);
    return scratch;
}

// Mask values of a scratch averaged at `quality` into a mask of `width` x `height`.
std::vector<std::vector<int>> Averaged(TAAQuality quality, const QImage& scratch, int width,
                                       int height) {
    TAAMask mask;
    mask.SetQuality(quality);
    mask.Resize(width, height);
    mask.Downsample(scratch);
    return RowsOf(mask);
}

TEST(AAMaskQuality, FactorsPerQuality) {
    EXPECT_EQ(QualityFactor(aqHigh), 4);
    EXPECT_EQ(QualityFactor(aqNormal), 3);
    EXPECT_EQ(QualityFactor(aqLow), 2);
    EXPECT_EQ(QualityFactor(aqNone), 1);
}

TEST(AAMaskQuality, NormalHalvesTopRightAndBottomLeftAndShiftsByThree) {
    // Mask pixel (i, j) reads the block at (3i, 3j), row 0 on top: one lit scratch pixel per
    // block position tells each weight apart.
    const auto rows = Averaged(aqNormal,
                               ScratchOf({
                                   {255, 0, 0, 0, 0, 255, 10, 20, 31},
                                   {0, 0, 0, 0, 0, 0, 40, 50, 60},
                                   {0, 0, 0, 0, 0, 0, 71, 80, 90},
                                   {0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {255, 0, 0, 0, 0, 0, 0, 0, 255},
                               }),
                               3, 2);
    // 255 >> 3 for full weight, (255 / 2) >> 3 for the halved corners; the third block is
    // 10 + 20 + 15 + 40 + 50 + 60 + 35 + 80 + 90 = 400, >> 3.
    EXPECT_EQ(rows, (std::vector<std::vector<int>>{{31, 15, 50}, {15, 0, 31}}));
}

TEST(AAMaskQuality, HighLowAndNoneAverageTheirBlocksEvenly) {
    std::vector<std::vector<int>> ramp(4, std::vector<int>(4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ramp[y][x] = 1 + x + 4 * y;
    // 1 + ... + 16 = 136, >> 4.
    EXPECT_EQ(Averaged(aqHigh, ScratchOf(ramp), 1, 1), (std::vector<std::vector<int>>{{8}}));
    EXPECT_EQ(Averaged(aqHigh,
                       ScratchOf({{255, 255, 255, 255},
                                  {255, 255, 255, 255},
                                  {255, 255, 255, 255},
                                  {255, 255, 255, 255}}),
                       1, 1),
              (std::vector<std::vector<int>>{{255}}));
    // (255 + 3) >> 2 and (1 + 2 + 5 + 6) >> 2.
    EXPECT_EQ(Averaged(aqLow, ScratchOf({{255, 0, 1, 2}, {0, 3, 5, 6}}), 2, 1),
              (std::vector<std::vector<int>>{{64, 3}}));
    EXPECT_EQ(Averaged(aqNone, ScratchOf({{7, 200}, {0, 99}}), 2, 2),
              (std::vector<std::vector<int>>{{7, 200}, {0, 99}}));
}

TEST(AAMaskQuality, FullInkAtNormalQualityStaysJustBelowFull) {
    const auto rows =
        Averaged(aqNormal, ScratchOf({{255, 255, 255}, {255, 255, 255}, {255, 255, 255}}), 1, 1);
    EXPECT_EQ(rows[0][0], (7 * 255 + 2 * 127) >> 3);
}

TEST(AAMaskRows, PaddedToFourBytesAndCheckedOnAccess) {
    TAAMask mask;
    mask.Resize(5, 3);
    EXPECT_EQ(mask.Stride(), 8);
    EXPECT_EQ(mask.Line(1) - mask.Line(0), 8);
    EXPECT_NO_THROW(mask.Line(2));
    try {
        mask.Line(3);
        FAIL() << "row 3 of 3 was handed out";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "Invalid line!");
    }
    EXPECT_THROW(mask.Line(-1), std::out_of_range);
}

TEST(AAMaskOutline, EdgesGetTheirDifferencesAndTheInsideEmpties) {
    std::vector<std::vector<int>> square(9, std::vector<int>(9, 0));
    for (int y = 1; y < 8; ++y)
        for (int x = 1; x < 8; ++x)
            square[y][x] = 255;
    TAAMask mask = MaskOf(square);
    OutlineMask(mask);
    const auto rows = RowsOf(mask);
    // Inside the square nothing differs.
    for (int y = 3; y < 6; ++y)
        for (int x = 3; x < 6; ++x)
            EXPECT_EQ(rows[y][x], 0) << x << "," << y;
    // On the left edge three of the four differences are 255: 765 / 4.
    EXPECT_EQ(rows[4][1], 191);
    EXPECT_EQ(rows[4][7], 191);
    EXPECT_EQ(rows[4][2], 0);
    // The border keeps its values.
    EXPECT_EQ(rows[0][4], 0);
    EXPECT_EQ(rows[4][0], 0);
    EXPECT_EQ(rows[8][8], 0);
}

TEST(AAMaskOutline, BorderPixelsOfAFullMaskStayFull) {
    TAAMask mask = MaskOf(std::vector<std::vector<int>>(4, std::vector<int>(4, 200)));
    OutlineMask(mask);
    const auto rows = RowsOf(mask);
    EXPECT_EQ(rows[0], (std::vector<int>{200, 200, 200, 200}));
    EXPECT_EQ(rows[1], (std::vector<int>{200, 0, 0, 200}));
}

TEST(AAMaskMirror, HorizontalReversesRowsAndVerticalReversesTheirOrder) {
    const std::vector<std::vector<int>> rows{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}};
    TAAMask mask = MaskOf(rows);
    MirrorMaskHorz(mask);
    EXPECT_EQ(RowsOf(mask),
              (std::vector<std::vector<int>>{{3, 2, 1}, {6, 5, 4}, {9, 8, 7}, {12, 11, 10}}));
    MirrorMaskVert(mask);
    EXPECT_EQ(RowsOf(mask),
              (std::vector<std::vector<int>>{{12, 11, 10}, {9, 8, 7}, {6, 5, 4}, {3, 2, 1}}));
    MirrorMaskHorz(mask);
    MirrorMaskVert(mask);
    EXPECT_EQ(RowsOf(mask), rows);
}

TEST(AAMaskBlur, FullBlurSpreadsAPointEvenlyWithoutMovingIt) {
    std::vector<std::vector<int>> point(9, std::vector<int>(9, 0));
    point[4][4] = 255;
    TAAMask mask = MaskOf(point);
    BlurMask(mask, 100);
    const auto rows = RowsOf(mask);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool inside = std::abs(x - 4) <= 2 && std::abs(y - 4) <= 2;
            // round(255 / 25) = 10 inside the 5 x 5 block.
            EXPECT_EQ(rows[y][x], inside ? 10 : 0) << x << "," << y;
        }
    EXPECT_EQ(CoverageCentre(mask), QPointF(4, 4));
}

TEST(AAMaskBlur, PartialBlurMovesTowardTheAverageWithAnArithmeticShift) {
    std::vector<std::vector<int>> point(9, std::vector<int>(9, 0));
    point[4][4] = 255;
    TAAMask mask = MaskOf(point);
    // k = round(127.5) = 128 (to even); 255 + ((10 - 255) * 128 >> 8) = 255 - 123.
    BlurMask(mask, 50);
    const auto rows = RowsOf(mask);
    EXPECT_EQ(rows[4][4], 132);
    EXPECT_EQ(rows[4][5], (10 * 128) >> 8);
    EXPECT_EQ(rows[4][7], 0);
}

TEST(AAMaskBlur, EdgesRepeatOutward) {
    // Row 0 reads positions 0, 0, 0, 1, 2; row 1 reads 0, 0, 1, 2, 3; every row of a
    // one-row mask repeats five times.
    TAAMask mask = MaskOf({{255, 0, 0, 0, 0, 0}});
    BlurMask(mask, 100);
    EXPECT_EQ(RowsOf(mask), (std::vector<std::vector<int>>{{153, 102, 51, 0, 0, 0}}));
    TAAMask mirrored = MaskOf({{0, 0, 0, 0, 0, 255}});
    BlurMask(mirrored, 100);
    EXPECT_EQ(RowsOf(mirrored), (std::vector<std::vector<int>>{{0, 0, 0, 51, 102, 153}}));
}

TEST(AAMaskBlur, OnePixelWideColumnKeepsItsValues) {
    TAAMask column = MaskOf({{200}, {200}, {200}, {200}});
    BlurMask(column, 100);
    EXPECT_EQ(RowsOf(column), (std::vector<std::vector<int>>{{200}, {200}, {200}, {200}}));
    TAAMask single = MaskOf({{77}});
    BlurMask(single, 100);
    EXPECT_EQ(RowsOf(single), (std::vector<std::vector<int>>{{77}}));
}

TEST(AAMaskSpray, ScattersInkAndRepeatsWithTheSameSeed) {
    std::vector<std::vector<int>> line(21, std::vector<int>(21, 0));
    for (auto& row : line)
        row[10] = 255;
    TAAMask mask = MaskOf(line);
    UniformRandom random(7);
    SprayMask(mask, 3, random);
    const auto rows = RowsOf(mask);
    int moved = 0, kept = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) {
            if (rows[y][x] != 0 && rows[y][x] != 255) ADD_FAILURE() << "value not from the mask";
            if (rows[y][x] == 255) ++(x == 10 ? kept : moved);
        }
    EXPECT_GT(moved, 0);
    EXPECT_LT(kept, 21);
    TAAMask again = MaskOf(line);
    UniformRandom same(7);
    SprayMask(again, 3, same);
    EXPECT_EQ(RowsOf(again), rows);
    TAAMask other = MaskOf(line);
    UniformRandom otherSeed(8);
    SprayMask(other, 3, otherSeed);
    EXPECT_NE(RowsOf(other), rows);
}

TEST(AAMaskSpray, RadiusZeroLeavesTheMask) {
    const std::vector<std::vector<int>> rows{{1, 2, 3}, {4, 5, 6}};
    TAAMask mask = MaskOf(rows);
    UniformRandom random(1);
    SprayMask(mask, 0, random);
    EXPECT_EQ(RowsOf(mask), rows);
}

} // namespace
} // namespace brelvane
