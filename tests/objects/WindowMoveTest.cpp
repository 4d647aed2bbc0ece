#include "objects/records/WindowMove.h"

#include "objects/ObjectTestSupport.h"
#include "objects/records/ObjectKinds.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(WindowMove, HandleMovesByThePointersTravel) {
    auto object = MakeObject(okImage, "Img1");
    object->Props.WindowMoveHandle = true;
    EXPECT_EQ(WindowMoveTarget(*object, true, {100, 200}, {30, 5}, {10, 15}), (TPoint{120, 190}));
    EXPECT_EQ(WindowMoveTarget(*object, true, {-50, 0}, {0, 0}, {7, 9}), (TPoint{-57, -9}));
    EXPECT_EQ(WindowMoveTarget(*object, false, {100, 200}, {30, 5}, {10, 15}), std::nullopt);
    object->Props.WindowMoveHandle = false;
    EXPECT_EQ(WindowMoveTarget(*object, true, {100, 200}, {30, 5}, {10, 15}), std::nullopt);
}

} // namespace
} // namespace brelvane::test
