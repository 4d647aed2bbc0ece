#include "player/WindowPlacement.h"

namespace brelvane {

QPoint CentredIn(const QRect& area, QSize size) {
    return {area.left() + (area.width() - size.width()) / 2,
            area.top() + (area.height() - size.height()) / 2};
}

std::optional<QPoint> PlacedPosition(std::uint8_t rule, QPoint designed, QSize size,
                                     const TPlacementFrame& frame) {
    switch (rule) {
    case 0:
    case 3:
        return designed;
    case 1:
    case 2:
        return std::nullopt;
    case 5:
        return CentredIn(frame.Desktop, size);
    case 6:
        return CentredIn(frame.Main.value_or(frame.Screen), size);
    case 7:
        return CentredIn(frame.Owner.value_or(frame.Screen), size);
    default:
        return CentredIn(frame.Screen, size);
    }
}

} // namespace brelvane
