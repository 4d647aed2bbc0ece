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

// The part of a box inside the first W x H pixels; empty (right <= left or bottom <= top) when
// none is, or when the box is turned over.
Box Clipped(Box box, int W, int H) {
    return {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, W),
            std::min(box.bottom, H)};
}

bool IsEmpty(Box box) {
    return box.right <= box.left || box.bottom <= box.top;
}

void CopySpan(const TransitionFrame& f, int y, int from, int to) {
    std::memcpy(f.out.Row(y) + from, f.in.Row(y) + from,
                static_cast<std::size_t>(to - from) * sizeof(Pixel));
}

void Stretch(PixelRows to, int W, int H, Box d, ConstPixelRows from, Box s, Mirror mirror) {
    const int sw = s.right - s.left;
    const int sh = s.bottom - s.top;
    const int dw = d.right - d.left;
    const int dh = d.bottom - d.top;
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    const Box area = Clipped(d, W, H);
    if (IsEmpty(area)) return;

    const bool rowsAsIs = sw == dw && !mirror.leftRight;
    std::vector<int> columns;
    if (!rowsAsIs) {
        columns.resize(static_cast<std::size_t>(area.right - area.left));
        for (int x = area.left; x < area.right; ++x)
            columns[static_cast<std::size_t>(x - area.left)] =
                s.left + SourceIndex(x - d.left, dw, sw, mirror.leftRight);
    }
    const std::size_t bytes = static_cast<std::size_t>(area.right - area.left) * sizeof(Pixel);
    int previousSource = -1;
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy = s.top + SourceIndex(y - d.top, dh, sh, mirror.topBottom);
        Pixel* out = to.Row(y) + area.left;
        // Enlarged rows repeat: copy the row just drawn instead of sampling again.
        if (sy == previousSource) {
            std::memcpy(out, to.Row(y - 1) + area.left, bytes);
            continue;
        }
        previousSource = sy;
        const Pixel* in = from.Row(sy);
        if (rowsAsIs) {
            std::memcpy(out, in + s.left + (area.left - d.left), bytes);
            continue;
        }
        for (const int column : columns)
            *out++ = in[column];
    }
}

// Copies the merged spans of one band of rows. Many short spans (thin columns) are copied
// through a mask over their extent instead, which costs one pass per row instead of one
// copy per span.
void CopyBand(const TransitionFrame& f, int top, int bottom, const std::vector<Interval>& spans,
              std::vector<Pixel>& mask) {
    constexpr std::size_t kManySpans = 8;
    if (spans.size() < kManySpans) {
        for (int y = top; y < bottom; ++y) {
            for (const Interval& span : spans)
                CopySpan(f, y, span.from, span.to);
        }
        return;
    }
    const int from = spans.front().from;
    const int to = spans.back().to;
    mask.assign(static_cast<std::size_t>(to - from), 0u);
    for (const Interval& span : spans)
        std::fill(mask.begin() + (span.from - from), mask.begin() + (span.to - from), ~0u);
    for (int y = top; y < bottom; ++y) {
        Pixel* out = f.out.Row(y) + from;
        const Pixel* in = f.in.Row(y) + from;
        for (std::size_t x = 0; x < mask.size(); ++x)
            out[x] = (in[x] & mask[x]) | (out[x] & ~mask[x]);
    }
}

} // namespace

QRect ToRect(Box box) {
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

void Show(TransitionFrame& f, Box area) {
    const Box clipped = Clipped(area, f.W, f.H);
    if (IsEmpty(clipped)) return;
    for (int y = clipped.top; y < clipped.bottom; ++y)
        CopySpan(f, y, clipped.left, clipped.right);
}

void Squeeze(TransitionFrame& f, Box from, Box to, Mirror mirror) {
    Stretch(f.out, f.W, f.H, to, f.in, from, mirror);
}

void Move(TransitionFrame& f, Box from, Box to) {
    // Source and destination overlap in the one bitmap, so the source is taken aside first.
    const QImage old = f.frame.copy(ToRect(from));
    const Box inCopy{0, 0, from.right - from.left, from.bottom - from.top};
    Stretch(f.out, f.W, f.H, to, RowsOf(old), inCopy, {});
}

void ShowRegion(TransitionFrame& f, const QRegion& region) {
    for (const QRect& rect : region)
        Show(f, {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
}

// Sweeps the boxes top to bottom in bands of rows that the same boxes cover and copies each
// band's merged spans, so that overlapping boxes are copied once. Boxes are bucketed by row,
// not sorted: styles hand over thousands of them per frame.
void ShowBoxes(TransitionFrame& f, const std::vector<Box>& boxes) {
    const auto rows = static_cast<std::size_t>(f.H) + 1;
    std::vector<std::size_t> startingAt(rows + 1, 0);
    std::vector<char> isEdge(rows, 0);
    std::vector<Box> clipped;
    clipped.reserve(boxes.size());
    for (const Box& box : boxes) {
        const Box inside = Clipped(box, f.W, f.H);
        if (IsEmpty(inside)) continue;
        clipped.push_back(inside);
        ++startingAt[static_cast<std::size_t>(inside.top) + 1];
        isEdge[static_cast<std::size_t>(inside.top)] = 1;
        isEdge[static_cast<std::size_t>(inside.bottom)] = 1;
    }
    for (std::size_t row = 1; row <= rows; ++row)
        startingAt[row] += startingAt[row - 1];
    std::vector<Box> live(clipped.size());
    std::vector<std::size_t> fill(startingAt.begin(), startingAt.end() - 1);
    for (const Box& box : clipped)
        live[fill[static_cast<std::size_t>(box.top)]++] = box;

    const auto byLeft = [](const Box& a, const Box& b) { return a.left < b.left; };
    std::vector<Box> active; // kept in order of left edges
    std::vector<Interval> spans;
    std::vector<Pixel> mask;
    int top = -1;
    for (int row = 0; row < f.H + 1; ++row) {
        if (!isEdge[static_cast<std::size_t>(row)]) continue;
        if (top >= 0 && !spans.empty()) CopyBand(f, top, row, spans, mask);
        top = row;
        std::erase_if(active, [row](const Box& box) { return box.bottom <= row; });
        const auto first = live.begin() + static_cast<std::ptrdiff_t>(startingAt[row]);
        const auto last = live.begin() + static_cast<std::ptrdiff_t>(startingAt[row + 1]);
        if (!std::is_sorted(first, last, byLeft)) std::sort(first, last, byLeft);
        const auto added = static_cast<std::ptrdiff_t>(active.size());
        active.insert(active.end(), first, last);
        std::inplace_merge(active.begin(), active.begin() + added, active.end(), byLeft);
        spans.clear();
        for (const Box& box : active) {
            if (!spans.empty() && box.left <= spans.back().to)
                spans.back().to = std::max(spans.back().to, box.right);
            else
                spans.push_back({box.left, box.right});
        }
    }
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
