#include "render/AABlend.h"

#include "AATestImages.h"
#include "render/AlphaBlend.h"

#include <QImage>
#include <gtest/gtest.h>
#include <stdexcept>

namespace brelvane {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

QImage Canvas(QRgb fill, int width = 4, int height = 2) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// The canvas after blending one uniform mask of `coverage` in white over black.
QRgb Blended(int coverage, int alpha) {
    QImage canvas = Canvas(kBlack);
    TAABlend blend;
    blend.Blend({&canvas, Qt::NoBrush}, 0, 0, MaskOf({{coverage}}), alpha, Qt::white);
    return canvas.pixel(0, 0);
}

TEST(AABlendMask, AlphaScalesCoverage) {
    // w = m * (alpha * 256 / 100); the channel moves by (w >> 8) / 256 of the way.
    EXPECT_EQ(Blended(128, 100), qRgb(127, 127, 127));
    EXPECT_EQ(Blended(128, 50), qRgb(63, 63, 63));
    EXPECT_EQ(Blended(255, 99), qRgb(251, 251, 251));
    EXPECT_EQ(Blended(255, 0), kBlack);
    // w below 256 leaves the pixel.
    EXPECT_EQ(Blended(1, 50), kBlack);
}

TEST(AABlendMask, FullCoverageAtFullAlphaGivesExactlyTheColour) {
    EXPECT_EQ(Blended(255, 100), kWhite);
    QImage canvas = Canvas(kWhite);
    TAABlend blend;
    blend.Blend({&canvas, Qt::NoBrush}, 0, 0, MaskOf({{255, 128}}), 100, QColor(10, 20, 30));
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(10, 20, 30));
    // Toward a darker colour the shift rounds down: 255 + (-245 * 128 >> 8) = 255 - 123.
    EXPECT_EQ(canvas.pixel(1, 0), qRgb(132, 137, 142));
}

TEST(AABlendMask, SolidBrushFillsTheAreaAndClearBrushKeepsTheCanvas) {
    QImage canvas = Canvas(kBlack);
    TAABlend blend;
    const TAAMask mask = MaskOf({{0, 255}});
    blend.Blend({&canvas, QBrush(Qt::blue)}, 1, 0, mask, 100, Qt::white);
    EXPECT_EQ(canvas.pixel(0, 0), kBlack);
    EXPECT_EQ(canvas.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(2, 0), kWhite);
    EXPECT_EQ(canvas.pixel(3, 0), kBlack);
    QImage clear = Canvas(qRgb(9, 9, 9));
    blend.Blend({&clear, Qt::NoBrush}, 1, 0, mask, 100, Qt::white);
    EXPECT_EQ(clear.pixel(1, 0), qRgb(9, 9, 9));
    EXPECT_EQ(clear.pixel(2, 0), kWhite);
}

TEST(AABlendMask, PartsOutsideTheCanvasAreClipped) {
    QImage canvas = Canvas(kBlack, 2, 2);
    TAABlend blend;
    blend.Blend({&canvas, Qt::NoBrush}, -1, 1, MaskOf({{255, 255, 255}, {255, 255, 255}}), 100,
                Qt::white);
    EXPECT_EQ(canvas.pixel(0, 0), kBlack);
    EXPECT_EQ(canvas.pixel(0, 1), kWhite);
    EXPECT_EQ(canvas.pixel(1, 1), kWhite);
}

TEST(AABlendMask, ForegroundGivesEachPixelItsColourAndMustMatchTheMask) {
    QImage canvas = Canvas(kBlack);
    TAABlend blend;
    const TAAMask mask = MaskOf({{255, 255}});
    QImage foreground = blend.Foreground(2, 1);
    foreground.setPixel(0, 0, qRgb(1, 2, 3));
    foreground.setPixel(1, 0, qRgb(4, 5, 6));
    blend.Blend({&canvas, Qt::NoBrush}, 0, 0, mask, 100, foreground);
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.pixel(1, 0), qRgb(4, 5, 6));
    try {
        blend.Blend({&canvas, Qt::NoBrush}, 0, 0, mask, 100, Canvas(kWhite, 3, 1));
        FAIL() << "a foreground of another size was taken";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "Invalid foreground bitmap!");
    }
    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.fill(Qt::red);
    EXPECT_THROW(blend.Blend({&canvas, Qt::NoBrush}, 0, 0, mask, 100, argb), std::invalid_argument);
}

TEST(AABlendMask, ForegroundStorageIsReusedWhenItFits) {
    TAABlend blend;
    const uchar* big = blend.Foreground(40, 30).constBits();
    EXPECT_EQ(blend.Foreground(10, 5).constBits(), big);
    EXPECT_EQ(blend.Foreground(10, 5).size(), QSize(10, 5));
    EXPECT_TRUE(blend.Foreground(0, 5).isNull());
}

TEST(AlphaBlendBitmaps, MixesEveryByteByWeight) {
    QImage back = Canvas(qRgb(0, 255, 100), 2, 1);
    QImage fore = Canvas(qRgb(255, 0, 100), 2, 1);
    QImage result;
    AlphaBlend(back, fore, 128, result);
    // 0 + 255 * 128 / 256 and 255 + (-255 * 128) / 256, truncated toward zero.
    EXPECT_EQ(result.pixel(1, 0), qRgb(127, 128, 100));
    AlphaBlend(back, fore, 0, result);
    EXPECT_EQ(result.pixel(0, 0), back.pixel(0, 0));
    AlphaBlend(back, fore, 255, result);
    EXPECT_EQ(result.pixel(0, 0), fore.pixel(0, 0));
    EXPECT_THROW(AlphaBlend(back, Canvas(kWhite, 3, 1), 10, result), std::invalid_argument);
}

} // namespace
} // namespace brelvane
