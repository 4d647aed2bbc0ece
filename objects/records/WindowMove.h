#pragma once

#include "objects/records/AutoObject.h"

#include <optional>

namespace brelvane {

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Dragging an object that is a window-move handle with the left button alone
// moves the page window by the pointer's travel since the press; the window's
// new top-left, or nothing when the window does not move.
std::optional<TPoint> WindowMoveTarget(const TAutoObject& object, bool leftButtonOnly,
                                       TPoint window, TPoint pointer, TPoint press);

} // namespace brelvane
