#pragma once

#include "render/AAMask.h"

#include <QBrush>
#include <QColor>
#include <QImage>

namespace brelvane {

// Where a mask is blended: the canvas pixels and the brush that decides the background
// (no brush: the canvas stays visible behind the text; any other: the area is filled first).
struct TAABlendTarget {
    QImage* Canvas = nullptr;
    QBrush Brush;
};

// Composes coverage masks onto a canvas. The foreground bitmap (gradient, texture or noise
// colours) is kept and only grown between calls. The composed pixels go straight into the
// canvas rows, which a QImage gives direct access to.
class TAABlend {
public:
    // A 32-bit foreground of the given size; its pixels are undefined until drawn.
    QImage Foreground(int width, int height);

    // Blends `mask` at (x, y) in `color` with opacity `alpha` (0..100).
    void Blend(const TAABlendTarget& target, int x, int y, const TAAMask& mask, int alpha,
               const QColor& color);
    // The same with the colours of `foreground`, which must be RGB32 and the mask's size
    // (else std::invalid_argument "Invalid foreground bitmap!").
    void Blend(const TAABlendTarget& target, int x, int y, const TAAMask& mask, int alpha,
               const QImage& foreground);

private:
    QImage foreground_;
};

} // namespace brelvane
