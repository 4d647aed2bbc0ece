#include "render/PolygonRows.h"

#include <QPolygon>
#include <QRegion>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace brelvane {
namespace {

constexpr int kSize = 64;

// The pixels of [0, kSize)² that a region holds, one flag each, rows first.
std::vector<char> Pixels(const QRegion& region) {
    std::vector<char> pixels(kSize * kSize, 0);
    for (const QRect& rect : region.intersected(QRect(0, 0, kSize, kSize)))
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                pixels[static_cast<std::size_t>(y * kSize + x)] = 1;
    return pixels;
}

// The pixels of [0, kSize)² the rows cover; spans out of order, touching or overlapping fail.
std::vector<char> Pixels(const QList<QPoint>& points) {
    std::vector<char> pixels(kSize * kSize, 0);
    int lastRow = -1;
    ForEachPolygonRow(points, 0, kSize, [&](int y, std::span<const Interval> spans) {
        EXPECT_GT(y, lastRow);
        EXPECT_GE(y, 0);
        EXPECT_LT(y, kSize);
        lastRow = y;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            EXPECT_LT(spans[i].from, spans[i].to);
            if (i > 0) {
                EXPECT_LT(spans[i - 1].to, spans[i].from);
            }
            for (int x = std::max(spans[i].from, 0); x < std::min(spans[i].to, kSize); ++x)
                pixels[static_cast<std::size_t>(y * kSize + x)] = 1;
        }
    });
    return pixels;
}

void ExpectSameAsRegion(const QList<QPoint>& points) {
    EXPECT_EQ(Pixels(points), Pixels(QRegion(QPolygon(points), Qt::WindingFill)))
        << ::testing::PrintToString(std::vector<QPoint>(points.begin(), points.end()));
}

TEST(PolygonRows, RandomPolygonsCoverTheRegionsPixels) {
    // Crossing, reversed and partly outside polygons, with many steep and shallow edges.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-20, kSize + 20);
    std::uniform_int_distribution<int> corners(3, 9);
    for (int i = 0; i < 2000; ++i) {
        QList<QPoint> points;
        const int count = corners(random);
        for (int k = 0; k < count; ++k)
            points.append({coordinate(random), coordinate(random)});
        ExpectSameAsRegion(points);
        if (HasFailure()) return;
    }
}

TEST(PolygonRows, UprightRectanglesTrianglesAndDegenerateShapes) {
    ExpectSameAsRegion({{5, 5}, {20, 5}, {20, 30}, {5, 30}});         // clockwise
    ExpectSameAsRegion({{20, 30}, {20, 5}, {5, 5}, {5, 30}});         // anticlockwise
    ExpectSameAsRegion({{5, 5}, {20, 5}, {20, 30}, {5, 30}, {5, 5}}); // closed
    ExpectSameAsRegion({{-9, -9}, {99, -9}, {99, 99}, {-9, 99}});     // beyond every edge
    ExpectSameAsRegion({{0, 0}, {40, 0}, {0, 40}});                   // the diagonal styles
    ExpectSameAsRegion({{32, 32}, {0, 63}, {0, 50}});                 // a starburst ray
    ExpectSameAsRegion({{10, 10}, {30, 10}, {50, 10}});               // no area
    ExpectSameAsRegion({{10, 10}, {10, 30}, {10, 50}});               // no area, upright
    ExpectSameAsRegion({{5, 5}, {30, 5}, {30, 20}, {5, 20}, {5, 40}, {30, 40}}); // touching rows
    // A square drawn twice round: winding 2 inside, still filled.
    ExpectSameAsRegion({{8, 8}, {40, 8}, {40, 40}, {8, 40}, {8, 8}, {40, 8}, {40, 40}, {8, 40}});
}

TEST(PolygonRows, RowsOutsideTheAskedBandAreNotHandedOver) {
    const QList<QPoint> triangle{{0, 0}, {60, 0}, {0, 60}};
    std::vector<int> rows;
    ForEachPolygonRow(triangle, 10, 13, [&](int y, std::span<const Interval> spans) {
        rows.push_back(y);
        ASSERT_EQ(spans.size(), 1u);
        EXPECT_EQ(spans[0].from, 0);
        EXPECT_EQ(spans[0].to, 60 - y);
    });
    EXPECT_EQ(rows, (std::vector<int>{10, 11, 12}));
    ForEachPolygonRow(QList<QPoint>{{0, 0}, {5, 5}}, 0, 10, [](int, std::span<const Interval>) {
        ADD_FAILURE() << "two points fill nothing";
    });
}

} // namespace
} // namespace brelvane
