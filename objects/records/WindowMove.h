#pragma once

#include "objects/records/AutoObject.h"

#include <optional>

namespace brelvane {

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Whether objects of the kind can be window-move handles: images, labels,
// simple texts, shapes and the list kinds. Buttons, edits and the other
// controls keep their own dragging.
bool CanMoveWindow(std::uint8_t kind);

// Dragging an object that is a window-move handle with the left button alone
// (no other button, no Shift, Ctrl or Alt) moves the page window by the
// pointer's travel since the press; the window's new top-left, or nothing
// when the window does not move.
std::optional<TPoint> WindowMoveTarget(const TAutoObject& object, bool leftButtonAlone,
                                       TPoint window, TPoint pointer, TPoint press);

} // namespace brelvane
