#pragma once

#include <QPoint>
#include <QRect>

namespace brelvane {

// Where a hint balloon opens from the mouse; the values are those stored in
// the hint settings.
enum THintDirection : int { hdUpRight, hdUpLeft, hdDownRight, hdDownLeft };

constexpr bool IsDownward(int direction) {
    return direction == hdDownRight || direction == hdDownLeft;
}

// The shadow offset the balloon is drawn with: 0 to 99.
int BalloonShadow(int shadowOffset);

struct THintPlacement {
    int Direction = hdUpRight;
    // The balloon window in global coordinates.
    QRect Window;
};

// Places a balloon around `textSize` (the wrapped text's extent) for the
// mouse at `mouse` on `screen`, starting with `direction` and following the
// fallbacks. Every direction is tried at most once; a balloon that fits none
// keeps `direction` and is moved into the screen.
THintPlacement PlaceHint(QSize textSize, QPoint mouse, const QRect& screen, int direction,
                         int shadowOffset);

} // namespace brelvane
