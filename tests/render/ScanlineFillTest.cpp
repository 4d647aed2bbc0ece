#include "render/ScanlineFill.h"

#include "AATestImages.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(0);
    return image;
}

void Fill(QImage& image, const QList<QPolygonF>& polygons,
          const QTransform& transform = QTransform()) {
    std::vector<TFillEdge> edges;
    AppendEdges(polygons, transform, edges);
    FillNonZero(image, edges);
}

int At(const QImage& image, int x, int y) {
    return image.constScanLine(y)[x];
}

int Inked(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.constScanLine(y)[x] == 255;
    return count;
}

QPolygonF Rect(qreal left, qreal top, qreal right, qreal bottom, bool clockwise = true) {
    QPolygonF rect{{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    if (!clockwise) std::reverse(rect.begin(), rect.end());
    return rect;
}

TEST(ScanlineFill, PixelsWhoseCentresLieInsideAreFilled) {
    QImage image = Blank(10, 10);
    Fill(image, {Rect(2, 3, 6.6, 5.4)});
    // Centres 2.5..6.5 across and 3.5..4.5 down lie inside.
    EXPECT_EQ(Inked(image), 5 * 2);
    EXPECT_EQ(At(image, 2, 3), 255);
    EXPECT_EQ(At(image, 6, 4), 255);
    EXPECT_EQ(At(image, 7, 4), 0);
    EXPECT_EQ(At(image, 2, 5), 0);
}

TEST(ScanlineFill, AnOppositeInnerContourCutsAHoleAndASameWayOneDoesNot) {
    QImage holed = Blank(12, 12);
    Fill(holed, {Rect(1, 1, 11, 11), Rect(4, 4, 8, 8, false)});
    EXPECT_EQ(Inked(holed), 100 - 16);
    EXPECT_EQ(At(holed, 5, 5), 0);

    QImage doubled = Blank(12, 12);
    Fill(doubled, {Rect(1, 1, 11, 11), Rect(4, 4, 8, 8)});
    EXPECT_EQ(Inked(doubled), 100);
}

TEST(ScanlineFill, ShapesReachingPastTheImageAreClipped) {
    QImage image = Blank(6, 4);
    Fill(image, {Rect(-5, -5, 20, 2)});
    EXPECT_EQ(Inked(image), 6 * 2);
    QImage untouched = Blank(6, 4);
    Fill(untouched, {Rect(10, 10, 20, 20)});
    EXPECT_EQ(Inked(untouched), 0);
}

TEST(ScanlineFill, FarAndBrokenCoordinatesAreHarmless) {
    QImage image = Blank(6, 4);
    Fill(image, {Rect(-1e30, -1e30, 1e30, 1e30), QPolygonF{{qQNaN(), 0}, {3, 3}, {0, 3}}});
    EXPECT_EQ(Inked(image), 24);
}

TEST(ScanlineFill, TheTransformPlacesThePolygon) {
    QImage image = Blank(10, 10);
    Fill(image, {Rect(0, 0, 2, 3)}, QTransform::fromTranslate(5, 4));
    EXPECT_EQ(Inked(image), 6);
    EXPECT_EQ(At(image, 5, 4), 255);
    EXPECT_EQ(At(image, 6, 6), 255);
    EXPECT_EQ(At(image, 4, 4), 0);
}

TEST(ScanlineFill, ATriangleMeetingAtAVertexHasNoGapOrSpike) {
    // The two edges meet at (5, 5.5), exactly on a row of centres: that row gets one pixel.
    QImage image = Blank(10, 10);
    Fill(image, {QPolygonF{{0, 0.5}, {5, 5.5}, {0, 9.5}}});
    for (int y = 0; y < 10; ++y) {
        int run = 0;
        while (run < 10 && At(image, run, y) == 255)
            ++run;
        for (int x = run; x < 10; ++x)
            EXPECT_EQ(At(image, x, y), 0) << x << "," << y;
    }
    EXPECT_EQ(At(image, 5, 5), 0);
    EXPECT_EQ(At(image, 4, 5), 255);
}

class ScanlineFillGlyphs : public AATest {};

// Filling a glyph outline must ink what Qt's own aliased fill of the same path inks, up to the
// pixels its edge rounding puts on the other side.
TEST_F(ScanlineFillGlyphs, MatchesQtsAliasedFillOfTheSameOutline) {
    QFont font("Arial");
    font.setPixelSize(96);
    QPainterPath path;
    path.addText(4, 90, font, QStringLiteral("Bg@&%"));
    path.setFillRule(Qt::WindingFill);
    QImage ours = Blank(360, 120), qt = Blank(360, 120);
    Fill(ours, path.toSubpathPolygons());
    {
        QPainter painter(&qt);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(path);
    }
    int differ = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 360; ++x)
            differ += At(ours, x, y) != At(qt, x, y);
    const int ink = Inked(qt);
    ASSERT_GT(ink, 5000);
    EXPECT_LT(differ, ink / 50) << "of " << ink;
}

} // namespace
} // namespace brelvane
