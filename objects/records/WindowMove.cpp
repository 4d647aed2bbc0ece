#include "objects/records/WindowMove.h"

#include "objects/records/ObjectKinds.h"

namespace brelvane {

bool CanMoveWindow(std::uint8_t kind) {
    return kind == okImage || kind == okLabel || kind == okSimpleText || kind == okShape ||
           (kind >= okListBox && kind <= okShellListView);
}

std::optional<TPoint> WindowMoveTarget(const TAutoObject& object, bool leftButtonAlone,
                                       TPoint window, TPoint pointer, TPoint press) {
    if (!object.Props.WindowMoveHandle || !leftButtonAlone || !CanMoveWindow(object.Kind))
        return std::nullopt;
    return TPoint{window.X + pointer.X - press.X, window.Y + pointer.Y - press.Y};
}

} // namespace brelvane
