#include "designer/SurfaceGeometry.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(SurfaceGeometry, GripAreasAreSevenPixelsShiftedOnTheRightAndBottomEdges) {
    const TBounds b{10, 20, 100, 50}; // R = 110, B = 70
    EXPECT_EQ(GripHitTest(b, {7, 17}), 1);
    EXPECT_EQ(GripHitTest(b, {13, 23}), 1);
    EXPECT_EQ(GripHitTest(b, {6, 20}), kNoGrip);
    EXPECT_EQ(GripHitTest(b, {57, 17}), 2);
    EXPECT_EQ(GripHitTest(b, {106, 20}), 3);
    EXPECT_EQ(GripHitTest(b, {112, 20}), 3);
    EXPECT_EQ(GripHitTest(b, {113, 20}), kNoGrip);
    EXPECT_EQ(GripHitTest(b, {106, 45}), 4);
    EXPECT_EQ(GripHitTest(b, {112, 72}), 5);
    EXPECT_EQ(GripHitTest(b, {106, 66}), 5);
    EXPECT_EQ(GripHitTest(b, {60, 66}), 6);
    EXPECT_EQ(GripHitTest(b, {60, 73}), kNoGrip);
    EXPECT_EQ(GripHitTest(b, {13, 72}), 7);
    EXPECT_EQ(GripHitTest(b, {7, 42}), 8);
    // Away from the grips: the body up to R − 1 and B − 1, then nothing.
    EXPECT_EQ(GripHitTest(b, {30, 30}), kBody);
    EXPECT_EQ(GripHitTest(b, {109, 30}), kBody);
    EXPECT_EQ(GripHitTest(b, {110, 30}), kNoGrip);
    EXPECT_EQ(GripHitTest(b, {30, 69}), kBody);
    EXPECT_EQ(GripHitTest(b, {30, 70}), kNoGrip);
}

TEST(SurfaceGeometry, OnASmallObjectTheLastGripThatHoldsThePointWins) {
    // (3, 3) lies in all eight areas of a 4×4 object at (0, 0).
    const TBounds b{0, 0, 4, 4};
    EXPECT_EQ(GripHitTest(b, {3, 3}), 8);
    EXPECT_EQ(GripCursor(8), Qt::SizeHorCursor);
    EXPECT_EQ(GripHitTest({0, 0, 20, 4}, {17, 3}), 5);
}

TEST(SurfaceGeometry, GripsAreSixPixelSquaresAroundTheirPoints) {
    const TBounds b{10, 20, 101, 51};
    EXPECT_EQ(GripRect(b, 1), QRect(7, 17, 6, 6));
    EXPECT_EQ(GripRect(b, 2), QRect(57, 17, 6, 6)); // 101 div 2 = 50
    EXPECT_EQ(GripRect(b, 5), QRect(108, 68, 6, 6));
    EXPECT_EQ(GripRect(b, 8), QRect(7, 42, 6, 6));
}

TEST(SurfaceGeometry, InsideStrictlyInsideAndBand) {
    const TBounds b{10, 10, 20, 20};
    EXPECT_TRUE(Contains(b, {10, 10}));
    EXPECT_TRUE(Contains(b, {29, 29}));
    EXPECT_FALSE(Contains(b, {30, 29}));
    EXPECT_FALSE(ContainsStrictly(b, {10, 15}));
    EXPECT_FALSE(ContainsStrictly(b, {29, 15}));
    EXPECT_TRUE(ContainsStrictly(b, {28, 15}));
    EXPECT_TRUE(ContainsStrictly(b, {11, 27}));
    // Any overlap with the band counts, the band's own edges included.
    EXPECT_TRUE(TouchesBand(b, NormalisedBand({40, 40}, {29, 29})));
    EXPECT_FALSE(TouchesBand(b, NormalisedBand({40, 40}, {30, 29})));
    EXPECT_TRUE(TouchesBand(b, NormalisedBand({0, 0}, {10, 10})));
    EXPECT_FALSE(TouchesBand(b, NormalisedBand({0, 0}, {9, 50})));
}

TEST(SurfaceGeometry, SnappingTakesTheNearestGridPointHalvesGoingUp) {
    EXPECT_EQ(SnapCoordinate(21, 8), 24);
    EXPECT_EQ(SnapCoordinate(19, 8), 16);
    EXPECT_EQ(SnapCoordinate(20, 8), 24);
    EXPECT_EQ(SnapCoordinate(37, 8), 40);
    EXPECT_EQ(SnapCoordinate(7, 10), 10);
    EXPECT_EQ(SnapPoint({21, 21}, {true, 8, 8}), QPoint(24, 24));
    EXPECT_EQ(SnapPoint({21, 21}, {false, 8, 8}), QPoint(21, 21));
    EXPECT_EQ(SnapPoint({21, 21}, {true, 8, 5}), QPoint(24, 20));
}

TEST(SurfaceGeometry, SnappedDragStepsAreWholeGridStepsTowardZero) {
    const TGrid grid{true, 8, 8};
    EXPECT_FALSE(DragStep({50, 50}, {55, 50}, grid).Moves);
    EXPECT_FALSE(DragStep({50, 50}, {57, 43}, grid).Moves);
    const auto nine = DragStep({50, 50}, {59, 53}, grid);
    EXPECT_TRUE(nine.Moves);
    EXPECT_EQ(nine.Dx, 8);
    EXPECT_EQ(nine.Dy, 0);
    const auto back = DragStep({50, 50}, {41, 50}, grid);
    EXPECT_EQ(back.Dx, -8);
    EXPECT_EQ(DragStep({50, 50}, {50, 67}, grid).Dy, 16);
    const auto free = DragStep({50, 50}, {53, 48}, {false, 8, 8});
    EXPECT_TRUE(free.Moves);
    EXPECT_EQ(free.Dx, 3);
    EXPECT_EQ(free.Dy, -2);
    EXPECT_FALSE(DragStep({50, 50}, {50, 50}, {false, 8, 8}).Moves);
}

TEST(SurfaceGeometry, EveryGripChangesItsEdges) {
    const TBounds b{100, 100, 50, 40};
    EXPECT_EQ(ApplyGrip(b, kBody, 5, -3), (TBounds{105, 97, 50, 40}));
    EXPECT_EQ(ApplyGrip(b, 1, 5, 3), (TBounds{105, 103, 45, 37}));
    EXPECT_EQ(ApplyGrip(b, 2, 5, 3), (TBounds{100, 103, 50, 37}));
    EXPECT_EQ(ApplyGrip(b, 3, 5, 3), (TBounds{100, 103, 55, 37}));
    EXPECT_EQ(ApplyGrip(b, 4, 5, 3), (TBounds{100, 100, 55, 40}));
    EXPECT_EQ(ApplyGrip(b, 5, 5, 3), (TBounds{100, 100, 55, 43}));
    EXPECT_EQ(ApplyGrip(b, 6, 5, 3), (TBounds{100, 100, 50, 43}));
    EXPECT_EQ(ApplyGrip(b, 7, 5, 3), (TBounds{105, 100, 45, 43}));
    EXPECT_EQ(ApplyGrip(b, 8, 5, 3), (TBounds{105, 100, 45, 40}));
    // The left edge moves even when the size is then raised to its minimum.
    EXPECT_EQ(WithMinimumSize(ApplyGrip(b, 8, 48, 0), 8, 8), (TBounds{148, 100, 8, 40}));
    EXPECT_EQ(WithMinimumSize({0, 0, -3, 0}, 1, 1), (TBounds{0, 0, 1, 1}));
}

TEST(SurfaceGeometry, ObjectsKeepTheirCornerOnThePanel) {
    const QSize panel(640, 480);
    EXPECT_EQ(ClampedToPanel({-20, -1, 50, 50}, panel), (TBounds{0, 0, 50, 50}));
    EXPECT_EQ(ClampedToPanel({700, 479, 50, 50}, panel), (TBounds{635, 475, 50, 50}));
    EXPECT_EQ(ClampedToPanel({635, 475, 50, 50}, panel), (TBounds{635, 475, 50, 50}));
    EXPECT_EQ(ClampedToPanel({3, 3, 5, 5}, QSize(2, 2)), (TBounds{0, 0, 5, 5}));
}

} // namespace
} // namespace brelvane::test
