#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <cstdint>

namespace brelvane {

// Two-colour gradient styles; the values are those stored by shapes.
enum TGradientStyle : int {
    gfTopBottom = 1,
    gfBottomTop,
    gfLeftRight,
    gfRightLeft,
    gfMiddleTopBottom,
    gfTopBottomMiddle,
    gfMiddleLeftRight,
    gfLeftRightMiddle,
};

// Step `step` of `steps` from `a` to `b`: per channel a + round((b - a) * step
// / steps), ties to even; zero steps yields `a`.
QColor GradientStep(const QColor& a, const QColor& b, int step, int steps);

// Fills `rect` with one-pixel lines of the gradient `style` (1..8) from
// colour value `colorA` to `colorB` (system colours resolved). Other styles
// draw nothing. The painter's clip applies.
void GradientFill(QPainter& painter, int style, std::int32_t colorA, const QRect& rect,
                  std::int32_t colorB);

} // namespace brelvane
