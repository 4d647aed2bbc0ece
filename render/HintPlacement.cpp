#include "render/HintPlacement.h"

#include <algorithm>
#include <array>
#include <optional>

namespace brelvane {

namespace {
struct TBalloonSize {
    int w;  // width of the window
    int hu; // height of an upward balloon
    int hd; // height of a downward balloon
    int s;  // shadow offset
};

QPoint Origin(int direction, QPoint mouse, const TBalloonSize& size) {
    const int left =
        direction == hdUpLeft || direction == hdDownLeft ? mouse.x() - size.w + size.s : mouse.x();
    const int top = IsDownward(direction) ? mouse.y() + 15 : mouse.y() - 5 - size.hu;
    return {left, top};
}

// The direction to try instead of `direction`, or nothing when it fits.
std::optional<int> Fallback(int direction, QPoint mouse, const QRect& screen,
                            const TBalloonSize& size) {
    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    const QPoint at = Origin(direction, mouse, size);
    switch (direction) {
    case hdUpRight:
        if (at.x() + size.w > right) return hdUpLeft;
        if (at.y() < screen.y()) return hdDownRight;
        break;
    case hdUpLeft:
        if (at.x() < screen.x()) return hdUpRight;
        if (at.y() < screen.y()) return hdDownLeft;
        break;
    case hdDownRight:
        if (at.x() + size.w > right) return hdDownLeft;
        if (at.y() + size.hd > bottom) return hdUpRight;
        break;
    default:
        if (at.x() < screen.x()) return hdDownRight;
        if (at.y() + size.hd > bottom) return hdUpLeft;
        break;
    }
    return std::nullopt;
}

int Clamp(int position, int extent, int low, int length) {
    return std::max(low, std::min(position, low + length - extent));
}
} // namespace

int BalloonShadow(int shadowOffset) {
    return std::clamp(shadowOffset, 0, 99);
}

THintPlacement PlaceHint(QSize textSize, QPoint mouse, const QRect& screen, int direction,
                         int shadowOffset) {
    const int s = BalloonShadow(shadowOffset);
    const TBalloonSize size{textSize.width() + s + 10, textSize.height() + 20,
                            textSize.height() + 29, s};
    const int wanted = std::clamp(direction, 0, 3);
    std::array<bool, 4> tried{};
    int current = wanted;
    bool fits = false;
    while (!tried[static_cast<std::size_t>(current)]) {
        tried[static_cast<std::size_t>(current)] = true;
        const auto next = Fallback(current, mouse, screen, size);
        if (!next) {
            fits = true;
            break;
        }
        current = *next;
    }
    if (!fits) current = wanted;
    const int height = IsDownward(current) ? size.hd : size.hu;
    QPoint at = Origin(current, mouse, size);
    if (!fits)
        at = {Clamp(at.x(), size.w, screen.x(), screen.width()),
              Clamp(at.y(), height, screen.y(), screen.height())};
    return {current, QRect(at, QSize(size.w, height))};
}

} // namespace brelvane
