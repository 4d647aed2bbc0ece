#include "designer/XorDrawing.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

int Changed(const QImage& a, const QImage& b) {
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

TEST(XorDrawing, ADottedOutlineTakesEveryOtherPixelOnceAndDrawnAgainErasesItself) {
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(10, 200, 30));
    const QImage before = image.copy();
    TXorCanvas canvas(image);
    canvas.DottedOutline(QRect(2, 3, 6, 5), 0xffffff);
    // 6 + 4 + 5 + 3 = 18 outline pixels, half of them inverted, the corner first.
    EXPECT_EQ(Changed(image, before), 9);
    EXPECT_EQ(image.pixel(2, 3), qRgb(245, 55, 225));
    EXPECT_EQ(image.pixel(3, 3), before.pixel(3, 3));
    EXPECT_EQ(image.pixel(4, 5), before.pixel(4, 5)); // inside
    EXPECT_EQ(qAlpha(image.pixel(2, 3)), 255);
    canvas.DottedOutline(QRect(2, 3, 6, 5), 0xffffff);
    EXPECT_EQ(image, before);
}

TEST(XorDrawing, ThinOutlinesAndFillsStayOnTheImage) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QImage before = image.copy();
    TXorCanvas canvas(image);
    canvas.DottedOutline(QRect(3, 3, 1, 1), 0x808080);
    EXPECT_EQ(Changed(image, before), 1);
    canvas.DottedOutline(QRect(3, 3, 1, 1), 0x808080);
    canvas.DottedOutline(QRect(1, 6, 5, 1), 0x808080); // one row: pixels 1, 3, 5
    EXPECT_EQ(Changed(image, before), 3);
    canvas.Fill(QRect(-5, -5, 8, 8), 0x808080);
    EXPECT_EQ(image.pixel(0, 0), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(3, 0), qRgb(0, 0, 0));
    canvas.DottedOutline(QRect(-3, -3, 40, 40), 0x808080); // clipped away
    EXPECT_EQ(Changed(image, before), 3 + 9);
}

} // namespace
} // namespace brelvane::test
