#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

namespace brelvane {

// The rectangles a page window can be placed against.
struct TPlacementFrame {
    QRect Screen;               // the available area of the primary screen
    QRect Desktop;              // all screens together
    std::optional<QRect> Main;  // the player's main window, when it is up
    std::optional<QRect> Owner; // the page window that opened this one
};

// Where a window of `size` goes by its stored placement rule: 0 and 3 the
// designed position, 1 and 2 where the window system puts it (nothing), 4
// the screen's centre, 5 the desktop's, 6 the main window's (the screen's
// without one), 7 the owner window's (likewise). Unknown rules centre on
// the screen, as a fresh window is placed.
std::optional<QPoint> PlacedPosition(std::uint8_t rule, QPoint designed, QSize size,
                                     const TPlacementFrame& frame);

// The top-left that centres `size` in `area`.
QPoint CentredIn(const QRect& area, QSize size);

} // namespace brelvane
