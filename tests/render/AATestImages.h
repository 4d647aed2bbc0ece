#pragma once

#include "render/AAMask.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <gtest/gtest.h>
#include <vector>

namespace brelvane {

// Text tests need fonts, which need a GUI application (offscreen).
class AATest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
};

// A mask with the given rows of coverage.
TAAMask MaskOf(const std::vector<std::vector<int>>& rows);
std::vector<std::vector<int>> RowsOf(const TAAMask& mask);
// The coverage-weighted centre of a mask.
QPointF CoverageCentre(const TAAMask& mask);
long CoverageSum(const TAAMask& mask);

// The smallest rectangle holding every pixel that differs from `background`.
QRect InkBox(const QImage& image, QRgb background);
// The mean of channel `shift` (0 blue, 8 green, 16 red) over the pixels of `area` that differ
// from `background`.
double InkMean(const QImage& image, const QRect& area, QRgb background, int shift);

} // namespace brelvane
