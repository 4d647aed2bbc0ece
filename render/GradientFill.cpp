#include "render/GradientFill.h"

#include "render/SystemColors.h"

#include <QBrush>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

namespace brelvane {

namespace {
// Rounds num / den (den > 0) to the nearest integer, ties to even.
int RoundHalfEven(long long num, long long den) {
    long long quotient = num / den;
    long long remainder = num % den;
    if (remainder < 0) {
        remainder += den;
        --quotient;
    }
    if (2 * remainder > den || (2 * remainder == den && quotient % 2 != 0)) ++quotient;
    return static_cast<int>(quotient);
}

int Channel(int a, int b, int step, int steps) {
    return a + RoundHalfEven(static_cast<long long>(b - a) * step, steps);
}

void Row(QPainter& painter, const QRect& rect, int y, const QColor& color) {
    painter.fillRect(QRect(rect.left(), y, rect.width(), 1), color);
}

// Fills the columns of `rect` left to right with `colours` (one per column).
// Opaque colours under a whole-pixel translation (the usual case) are filled
// at once from one strip image, with the same pixels as one fill per column
// at a fraction of the cost; otherwise column by column.
void Columns(QPainter& painter, const QRect& rect, const std::vector<QColor>& colours) {
    if (rect.height() <= 0 || colours.empty()) return;
    const QTransform& transform = painter.transform();
    const bool wholePixels = transform.type() <= QTransform::TxTranslate &&
                             transform.dx() == std::floor(transform.dx()) &&
                             transform.dy() == std::floor(transform.dy());
    const bool opaque = std::all_of(colours.begin(), colours.end(),
                                    [](const QColor& colour) { return colour.alpha() == 255; });
    if (!wholePixels || !opaque) {
        for (std::size_t i = 0; i < colours.size(); ++i)
            painter.fillRect(QRect(rect.left() + static_cast<int>(i), rect.top(), 1, rect.height()),
                             colours[i]);
        return;
    }
    QImage strip(static_cast<int>(colours.size()), 1, QImage::Format_RGB32);
    auto* pixels = reinterpret_cast<QRgb*>(strip.scanLine(0));
    for (std::size_t i = 0; i < colours.size(); ++i)
        pixels[i] = colours[i].rgb();
    QBrush brush(strip);
    brush.setTransform(QTransform::fromTranslate(rect.left(), rect.top()));
    painter.fillRect(rect, brush);
}

// Rows top..bottom-1 from `from` to `to`.
void Vertical(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to) {
    const int top = rect.top(), bottom = top + rect.height();
    for (int y = top; y < bottom; ++y)
        Row(painter, rect, y, GradientStep(from, to, y - top, bottom - top));
}

void Horizontal(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to) {
    const int width = std::max(rect.width(), 0);
    std::vector<QColor> colours;
    colours.reserve(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        colours.push_back(GradientStep(from, to, x, width));
    Columns(painter, rect, colours);
}

// Middle `middle`, edges `edge`.
void FromMiddleVertical(QPainter& painter, const QRect& rect, const QColor& middle,
                        const QColor& edge) {
    const int top = rect.top(), bottom = top + rect.height();
    const int mid = (top + bottom) / 2, half = (bottom - top) / 2;
    for (int y = top; y < mid; ++y)
        Row(painter, rect, y, GradientStep(edge, middle, y - top, half));
    for (int y = mid; y < bottom; ++y)
        Row(painter, rect, y, GradientStep(middle, edge, y - mid, half));
}

void FromMiddleHorizontal(QPainter& painter, const QRect& rect, const QColor& middle,
                          const QColor& edge) {
    const int width = std::max(rect.width(), 0);
    // The middle as the whole rectangle's, measured from its left edge.
    const int mid = (rect.left() + rect.left() + width) / 2 - rect.left(), half = width / 2;
    std::vector<QColor> colours(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        colours[static_cast<std::size_t>(x)] = x < mid
                                                   ? GradientStep(middle, edge, mid - 1 - x, half)
                                                   : GradientStep(middle, edge, x - mid, half);
    Columns(painter, rect, colours);
}
} // namespace

QColor GradientStep(const QColor& a, const QColor& b, int step, int steps) {
    if (steps == 0) return a;
    return QColor(Channel(a.red(), b.red(), step, steps),
                  Channel(a.green(), b.green(), step, steps),
                  Channel(a.blue(), b.blue(), step, steps));
}

void GradientFill(QPainter& painter, int style, std::int32_t colorA, const QRect& rect,
                  std::int32_t colorB) {
    const QColor a = ResolveColor(colorA), b = ResolveColor(colorB);
    switch (style) {
    case gfTopBottom:
        Vertical(painter, rect, a, b);
        break;
    case gfBottomTop:
        Vertical(painter, rect, b, a);
        break;
    case gfLeftRight:
        Horizontal(painter, rect, a, b);
        break;
    case gfRightLeft:
        Horizontal(painter, rect, b, a);
        break;
    case gfMiddleTopBottom:
        FromMiddleVertical(painter, rect, a, b);
        break;
    case gfTopBottomMiddle:
        FromMiddleVertical(painter, rect, b, a);
        break;
    case gfMiddleLeftRight:
        FromMiddleHorizontal(painter, rect, a, b);
        break;
    case gfLeftRightMiddle:
        FromMiddleHorizontal(painter, rect, b, a);
        break;
    default:
        break;
    }
}

} // namespace brelvane
