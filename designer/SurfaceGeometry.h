#pragma once

#include <QPoint>
#include <QRect>

namespace brelvane {

// An object's place in the pixel coordinates of the page's object panel. The
// right and bottom edges lie one pixel past the object (R = L + W).
struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    QRect Rect() const { return {Left, Top, Width, Height}; }
    bool operator==(const TBounds&) const = default;
};

// The designer's grid as the surface uses it.
struct TGrid {
    bool Snap = true;
    int X = 8;
    int Y = 8;
};

// What a press on a selected object hits: a grip 1..8, the body, or nothing.
enum : int { kNoGrip = -1, kBody = 0 };

// Grips are tested in the order 1 to 8 and the last that contains the point
// wins; then the body; otherwise kNoGrip.
int GripHitTest(const TBounds& bounds, QPoint point);
// The 6×6 square drawn for grip 1..8.
QRect GripRect(const TBounds& bounds, int grip);
// The cursor shape a grip or the body shows.
Qt::CursorShape GripCursor(int grip);

// Inside including the edges of the object itself (L ≤ X ≤ R − 1).
bool Contains(const TBounds& bounds, QPoint point);
// Strictly inside, away from every edge (L < X < R − 1).
bool ContainsStrictly(const TBounds& bounds, QPoint point);
// Whether the object overlaps the normalised band at all.
bool TouchesBand(const TBounds& bounds, const QRect& band);

// The nearest grid point, halves going up.
int SnapCoordinate(int value, int step);
QPoint SnapPoint(QPoint point, const TGrid& grid);

// The change a grip drag by (dx, dy) makes to one object.
TBounds ApplyGrip(TBounds bounds, int grip, int dx, int dy);
// A resized object is never smaller than `minimumWidth` × `minimumHeight`.
TBounds WithMinimumSize(TBounds bounds, int minimumWidth, int minimumHeight);

// One step of a drag from `last` to `point`: the distance to apply, which
// with snapping is whole grid steps (rounded toward zero, so the remainder
// counts toward the next step) and nothing until a whole step is reached.
struct TDragStep {
    bool Moves = false;
    int Dx = 0;
    int Dy = 0;
};
TDragStep DragStep(QPoint last, QPoint point, const TGrid& grid);

// Keeps the top-left corner inside a panel, 5 pixels from its right and bottom edges.
TBounds ClampedToPanel(TBounds bounds, QSize panel);

// The band from `anchor` to `point` with left ≤ right and top ≤ bottom.
QRect NormalisedBand(QPoint anchor, QPoint point);

} // namespace brelvane
