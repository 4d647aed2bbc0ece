#pragma once

#include "objects/records/TextParams.h"

namespace brelvane {

// Where a text of `size` starts in `area` pixels, `margin` from the edges, by
// alignment (left, right, centre) or layout (top, centre, bottom).
constexpr int AlignedX(std::uint8_t alignment, int area, int size, int margin) {
    if (alignment == taRightJustify) return area - margin - size;
    if (alignment == taCenter) return (area - size) / 2;
    return margin;
}

constexpr int LaidOutY(std::uint8_t layout, int area, int size, int margin) {
    if (layout == tlCenter) return (area - size) / 2;
    if (layout == tlBottom) return area - margin - size;
    return margin;
}

} // namespace brelvane
