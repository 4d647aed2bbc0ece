#include "render/TransitionPrimitives.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace brelvane {
namespace {

// Samples each destination pixel at its centre: index i of `count` maps into `span` source pixels.
int SourceIndex(int i, int count, int span, bool mirrored) {
    const int index = static_cast<int>((2 * static_cast<std::int64_t>(i) + 1) * span / (2 * count));
    return mirrored ? span - 1 - index : index;
}

// Copies the part of `area` inside the first W x H pixels from `from` to `to`.
void CopyArea(QImage& to, const QImage& from, int W, int H, QRect area) {
    // QRect normalises a turned-over rectangle when intersecting; such a box shows nothing.
    if (area.width() <= 0 || area.height() <= 0) return;
    area &= QRect(0, 0, W, H);
    if (area.isEmpty()) return;
    const std::size_t bytes = static_cast<std::size_t>(area.width()) * sizeof(Pixel);
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memcpy(PixelRow(to, y) + area.left(), PixelRow(from, y) + area.left(), bytes);
}

void Stretch(QImage& to, int W, int H, Box d, const QImage& from, Box s, Mirror mirror) {
    const int sw = s.right - s.left;
    const int sh = s.bottom - s.top;
    const int dw = d.right - d.left;
    const int dh = d.bottom - d.top;
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    const int x0 = std::max(d.left, 0);
    const int x1 = std::min(d.right, W);
    const int y0 = std::max(d.top, 0);
    const int y1 = std::min(d.bottom, H);
    if (x0 >= x1 || y0 >= y1) return;

    const bool rowsAsIs = sw == dw && !mirror.leftRight;
    std::vector<int> columns;
    if (!rowsAsIs) {
        columns.resize(static_cast<std::size_t>(x1 - x0));
        for (int x = x0; x < x1; ++x)
            columns[static_cast<std::size_t>(x - x0)] =
                s.left + SourceIndex(x - d.left, dw, sw, mirror.leftRight);
    }
    const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * sizeof(Pixel);
    int previousSource = -1;
    for (int y = y0; y < y1; ++y) {
        const int sy = s.top + SourceIndex(y - d.top, dh, sh, mirror.topBottom);
        Pixel* out = PixelRow(to, y) + x0;
        // Enlarged rows repeat: copy the row just drawn instead of sampling again.
        if (sy == previousSource) {
            std::memcpy(out, PixelRow(to, y - 1) + x0, bytes);
            continue;
        }
        previousSource = sy;
        const Pixel* in = PixelRow(from, sy);
        if (rowsAsIs) {
            std::memcpy(out, in + s.left + (x0 - d.left), bytes);
            continue;
        }
        for (const int column : columns)
            *out++ = in[column];
    }
}

} // namespace

QRect ToRect(Box box) {
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

void Show(TransitionFrame& f, Box area) {
    CopyArea(f.frame, f.picture, f.W, f.H, ToRect(area));
}

void Squeeze(TransitionFrame& f, Box from, Box to, Mirror mirror) {
    Stretch(f.frame, f.W, f.H, to, f.picture, from, mirror);
}

void Move(TransitionFrame& f, Box from, Box to) {
    // Source and destination overlap in the one bitmap, so the source is taken aside first.
    const QImage old = f.frame.copy(ToRect(from));
    const Box inCopy{0, 0, from.right - from.left, from.bottom - from.top};
    Stretch(f.frame, f.W, f.H, to, old, inCopy, {});
}

void ShowRegion(TransitionFrame& f, const QRegion& region) {
    for (const QRect& rect : region)
        CopyArea(f.frame, f.picture, f.W, f.H, rect);
}

void ShowBoxes(TransitionFrame& f, const std::vector<Box>& boxes) {
    for (const Box& box : boxes)
        Show(f, box);
}

QRegion UniteBoxes(const std::vector<Box>& boxes) {
    std::vector<QRegion> level;
    level.reserve(boxes.size());
    for (const Box& box : boxes)
        level.emplace_back(ToRect(box));
    while (level.size() > 1) {
        std::vector<QRegion> next;
        next.reserve(level.size() / 2 + 1);
        for (std::size_t i = 0; i + 1 < level.size(); i += 2)
            next.push_back(level[i].united(level[i + 1]));
        if (level.size() % 2 != 0) next.push_back(level.back());
        level = std::move(next);
    }
    return level.empty() ? QRegion() : level.front();
}

} // namespace brelvane
