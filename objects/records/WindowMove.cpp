#include "objects/records/WindowMove.h"

namespace brelvane {

std::optional<TPoint> WindowMoveTarget(const TAutoObject& object, bool leftButtonOnly,
                                       TPoint window, TPoint pointer, TPoint press) {
    if (!object.Props.WindowMoveHandle || !leftButtonOnly) return std::nullopt;
    return TPoint{window.X + pointer.X - press.X, window.Y + pointer.Y - press.Y};
}

} // namespace brelvane
