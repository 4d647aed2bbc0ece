#include "render/TransitionGrids.h"

#include "render/TransitionPrimitives.h"
#include "render/UniformRandom.h"

#include <QPolygon>
#include <vector>

namespace brelvane {
namespace {

// Shows `shape` (boxes around the origin) moved to every grid point (i * W div n, j * H div n)
// with i and j from 0 to n.
void ShowAtGridPoints(TransitionFrame& f, const std::vector<Box>& shape) {
    if (shape.empty()) return;
    const int n = f.GridCells();
    const int dx = f.W / n;
    const int dy = f.H / n;
    for (int i = 0; i <= n; ++i) {
        for (int j = 0; j <= n; ++j) {
            for (const Box& box : shape)
                Show(f, {box.left + i * dx, box.top + j * dy, box.right + i * dx,
                         box.bottom + j * dy});
        }
    }
}

} // namespace

void TriangularShred(TransitionFrame& f) {
    const int n = f.GridCells();
    const int a = f.X / n;
    const int b = f.Y / n;
    if (a == 0 || b == 0) return;
    // Every triangle has the same shape: rasterise it once and copy its rows.
    const QRegion triangle(QPolygon({QPoint(-a, -b), QPoint(a, -b), QPoint(-a, b)}),
                           Qt::WindingFill);
    std::vector<Box> shape;
    for (const QRect& r : triangle)
        shape.push_back({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    ShowAtGridPoints(f, shape);
}

void RandomSquares(TransitionFrame& f) {
    UniformRandom& random = TransitionRandom();
    // The same seed every frame draws the same numbers, so a square once shown stays shown.
    random.Seed(static_cast<std::uint64_t>(f.W) * static_cast<std::uint64_t>(f.H));
    const int n = f.GridCells();
    for (int x = 0; x < f.W; x += n) {
        for (int y = 0; y < f.H; y += n) {
            if (random.Below(100) < f.P) Show(f, {x - n, y - n, x + n, y + n});
        }
    }
}

void RectangularShred(TransitionFrame& f) {
    const int a = f.X / f.SpanDivisor();
    const int b = f.Y / f.SpanDivisor();
    if (a == 0 || b == 0) return;
    ShowAtGridPoints(f, {{-a, -b, a, b}});
}

} // namespace brelvane
