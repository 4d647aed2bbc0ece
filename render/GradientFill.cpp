#include "render/GradientFill.h"

#include "render/SystemColors.h"

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

void Column(QPainter& painter, const QRect& rect, int x, const QColor& color) {
    painter.fillRect(QRect(x, rect.top(), 1, rect.height()), color);
}

// Rows top..bottom-1 from `from` to `to`.
void Vertical(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to) {
    const int top = rect.top(), bottom = top + rect.height();
    for (int y = top; y < bottom; ++y)
        Row(painter, rect, y, GradientStep(from, to, y - top, bottom - top));
}

void Horizontal(QPainter& painter, const QRect& rect, const QColor& from, const QColor& to) {
    const int left = rect.left(), right = left + rect.width();
    for (int x = left; x < right; ++x)
        Column(painter, rect, x, GradientStep(from, to, x - left, right - left));
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
    const int left = rect.left(), right = left + rect.width();
    const int mid = (left + right) / 2, half = (right - left) / 2;
    for (int x = mid - 1; x >= left; --x)
        Column(painter, rect, x, GradientStep(middle, edge, mid - 1 - x, half));
    for (int x = mid; x < right; ++x)
        Column(painter, rect, x, GradientStep(middle, edge, x - mid, half));
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
