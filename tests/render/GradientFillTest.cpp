#include "render/GradientFill.h"

#include "storage/EffectBlock.h"

#include <QImage>
#include <QPainterPath>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

// Channels chosen so that steps of tenths fall on halves: 76.5 rounds to 76
// (even), 25.5 to 26, -229.5 to -230.
constexpr std::int32_t kA = RGB(0, 0, 0);
constexpr std::int32_t kB = RGB(255, 100, 10);

QImage Filled(int style, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    GradientFill(painter, style, kA, image.rect(), kB);
    return image;
}

QColor Row(const QImage& image, int y) {
    return image.pixelColor(image.width() / 2, y);
}

QColor Column(const QImage& image, int x) {
    return image.pixelColor(x, image.height() / 2);
}

TEST(GradientStep, RoundsHalvesToEvenAndZeroStepsGiveTheFirstColour) {
    const QColor a(0, 0, 0), b(255, 100, 10);
    EXPECT_EQ(GradientStep(a, b, 1, 10), QColor(26, 10, 1));
    EXPECT_EQ(GradientStep(a, b, 3, 10), QColor(76, 30, 3));
    EXPECT_EQ(GradientStep(a, b, 5, 10), QColor(128, 50, 5));
    EXPECT_EQ(GradientStep(a, b, 7, 10), QColor(178, 70, 7));
    EXPECT_EQ(GradientStep(b, a, 3, 10), QColor(179, 70, 7));
    EXPECT_EQ(GradientStep(a, b, 0, 0), a);
    EXPECT_EQ(GradientStep(b, a, 10, 10), a);
}

TEST(GradientFill, TopBottomAndBottomTopRunOverRowsOfTheRectangle) {
    const auto down = Filled(gfTopBottom, 4, 10);
    EXPECT_EQ(Row(down, 0), QColor(0, 0, 0));
    EXPECT_EQ(Row(down, 3), QColor(76, 30, 3));
    EXPECT_EQ(Row(down, 9), QColor(230, 90, 9));
    EXPECT_EQ(down.pixelColor(0, 3), down.pixelColor(3, 3));
    const auto up = Filled(gfBottomTop, 4, 10);
    EXPECT_EQ(Row(up, 0), QColor(255, 100, 10));
    // 255 - 229.5 rounds to 255 - 230.
    EXPECT_EQ(Row(up, 9), QColor(25, 10, 1));
}

TEST(GradientFill, LeftRightAndRightLeftRunOverColumns) {
    const auto right = Filled(gfLeftRight, 10, 3);
    EXPECT_EQ(Column(right, 0), QColor(0, 0, 0));
    EXPECT_EQ(Column(right, 5), QColor(128, 50, 5));
    EXPECT_EQ(Column(right, 9), QColor(230, 90, 9));
    const auto left = Filled(gfRightLeft, 10, 3);
    EXPECT_EQ(Column(left, 0), QColor(255, 100, 10));
    EXPECT_EQ(Column(left, 7), QColor(77, 30, 3));
}

TEST(GradientFill, MiddleStylesHaveTheirColoursAtMiddleAndEdges) {
    // 20 rows: mid 10, half 10; top half from B to A, bottom half from A to B.
    const auto middle = Filled(gfMiddleTopBottom, 3, 20);
    EXPECT_EQ(Row(middle, 0), QColor(255, 100, 10));
    EXPECT_EQ(Row(middle, 7), QColor(77, 30, 3));
    EXPECT_EQ(Row(middle, 10), QColor(0, 0, 0));
    EXPECT_EQ(Row(middle, 13), QColor(76, 30, 3));
    EXPECT_EQ(Row(middle, 19), QColor(230, 90, 9));
    const auto edges = Filled(gfTopBottomMiddle, 3, 20);
    EXPECT_EQ(Row(edges, 0), QColor(0, 0, 0));
    EXPECT_EQ(Row(edges, 10), QColor(255, 100, 10));
    // Columns: k = 0 is the column left of the middle and starts at the first colour.
    const auto across = Filled(gfMiddleLeftRight, 20, 3);
    EXPECT_EQ(Column(across, 9), QColor(0, 0, 0));
    EXPECT_EQ(Column(across, 10), QColor(0, 0, 0));
    EXPECT_EQ(Column(across, 6), QColor(76, 30, 3));
    EXPECT_EQ(Column(across, 0), QColor(230, 90, 9));
    EXPECT_EQ(Column(across, 19), QColor(230, 90, 9));
    const auto outside = Filled(gfLeftRightMiddle, 20, 3);
    EXPECT_EQ(Column(outside, 9), QColor(255, 100, 10));
    EXPECT_EQ(Column(outside, 0), QColor(25, 10, 1));
}

TEST(GradientFill, OneRowHighMiddleGradientIsTheFirstColour) {
    const auto row = Filled(gfMiddleTopBottom, 5, 1);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(row.pixelColor(x, 0), QColor(0, 0, 0));
}

TEST(GradientFill, FillsOnlyTheRectangleAndNothingForOtherStyles) {
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    GradientFill(painter, gfTopBottom, kB, QRect(2, 3, 4, 5), kB);
    GradientFill(painter, 9, kB, QRect(0, 0, 10, 10), kB);
    painter.end();
    EXPECT_EQ(image.pixelColor(2, 3), QColor(255, 100, 10));
    EXPECT_EQ(image.pixelColor(5, 7), QColor(255, 100, 10));
    EXPECT_EQ(image.pixel(1, 3), 0u);
    EXPECT_EQ(image.pixel(6, 3), 0u);
    EXPECT_EQ(image.pixel(2, 8), 0u);
}

// The column styles drawn as one fill per column, the plain way.
void FillColumnByColumn(QPainter& painter, int style, const QRect& rect) {
    const QColor a(0, 0, 0), b(255, 100, 10);
    const int left = rect.left(), right = left + rect.width();
    const int mid = (left + right) / 2, half = rect.width() / 2;
    for (int x = left; x < right; ++x) {
        QColor colour;
        if (style == gfLeftRight)
            colour = GradientStep(a, b, x - left, rect.width());
        else if (x < mid)
            colour = GradientStep(a, b, mid - 1 - x, half);
        else
            colour = GradientStep(a, b, x - mid, half);
        painter.fillRect(QRect(x, rect.top(), 1, rect.height()), colour);
    }
}

// Both ways on the same painter set-up: translated, clipped by an
// antialiased ellipse, optionally scaled.
QImage Drawn(bool plain, int style, const QRect& rect, QTransform transform) {
    QImage image(90, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    QPainterPath clip;
    clip.addEllipse(QRectF(rect).adjusted(3.5, 2.5, -3.5, -2.5));
    painter.setClipPath(clip);
    if (plain)
        FillColumnByColumn(painter, style, rect);
    else
        GradientFill(painter, style, kA, rect, kB);
    return image;
}

TEST(GradientFill, ColumnStylesGiveThePixelsOfOneFillPerColumnUnderAnyPainterSetUp) {
    const QTransform setUps[] = {QTransform(), QTransform::fromTranslate(7, 5),
                                 QTransform::fromTranslate(2.5, 1.25),
                                 QTransform::fromScale(1.5, 2)};
    const QRect rects[] = {QRect(0, 0, 40, 20), QRect(-5, 3, 33, 17), QRect(11, -2, 1, 9)};
    for (const int style : {int(gfLeftRight), int(gfMiddleLeftRight)})
        for (const auto& transform : setUps)
            for (const auto& rect : rects)
                EXPECT_EQ(Drawn(false, style, rect, transform), Drawn(true, style, rect, transform))
                    << "style " << style << " rect " << rect.x() << "," << rect.y() << " "
                    << rect.width() << "x" << rect.height() << " dx " << transform.dx() << " scale "
                    << transform.m11();
}

} // namespace
} // namespace brelvane
