#include "objects/records/WindowMove.h"

#include "objects/ObjectTestSupport.h"
#include "objects/records/ObjectKinds.h"

#include <gtest/gtest.h>
#include <set>

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

TEST(WindowMove, OnlyTheDrawnAndListKindsMoveTheWindow) {
    // Images, labels, simple texts, shapes and the list kinds.
    const std::set<std::uint8_t> handles{2, 3, 17, 19, 20, 21, 22, 23, 24, 25, 26};
    for (std::uint8_t kind = 0; kind <= 26; ++kind) {
        SCOPED_TRACE(int{kind});
        TAutoObject object;
        object.Kind = kind;
        object.Props.WindowMoveHandle = true;
        const auto target = WindowMoveTarget(object, true, {100, 200}, {30, 5}, {10, 15});
        EXPECT_EQ(target.has_value(), handles.contains(kind));
        EXPECT_EQ(CanMoveWindow(kind), handles.contains(kind));
    }
    // A Button or an Edit with the flag keeps the window where it is.
    auto button = MakeObject(okButton, "Button1");
    button->Props.WindowMoveHandle = true;
    EXPECT_EQ(WindowMoveTarget(*button, true, {0, 0}, {30, 5}, {10, 15}), std::nullopt);
}

} // namespace
} // namespace brelvane::test
