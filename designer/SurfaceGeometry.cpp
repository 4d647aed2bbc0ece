#include "designer/SurfaceGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace brelvane {

namespace {
bool InRange(int value, int low, int high) {
    return low <= value && value <= high;
}

// A grip's drawing point; its hit area reaches three pixels around it, one
// pixel less to the right and below on the right and bottom edges.
struct TGripPlace {
    QPoint Point;
    bool RightEdge;
    bool BottomEdge;
};

TGripPlace PlaceOf(const TBounds& b, int grip) {
    const int midX = b.Left + b.Width / 2;
    const int midY = b.Top + b.Height / 2;
    switch (grip) {
    case 1:
        return {{b.Left, b.Top}, false, false};
    case 2:
        return {{midX, b.Top}, false, false};
    case 3:
        return {{b.Right(), b.Top}, true, false};
    case 4:
        return {{b.Right(), midY}, true, false};
    case 5:
        return {{b.Right(), b.Bottom()}, true, true};
    case 6:
        return {{midX, b.Bottom()}, false, true};
    case 7:
        return {{b.Left, b.Bottom()}, false, true};
    default:
        return {{b.Left, midY}, false, false};
    }
}
} // namespace

int GripHitTest(const TBounds& bounds, QPoint point) {
    int hit = kNoGrip;
    for (int grip = 1; grip <= 8; ++grip) {
        const auto place = PlaceOf(bounds, grip);
        const int x = place.Point.x() - (place.RightEdge ? 1 : 0);
        const int y = place.Point.y() - (place.BottomEdge ? 1 : 0);
        if (InRange(point.x(), x - 3, x + 3) && InRange(point.y(), y - 3, y + 3)) hit = grip;
    }
    if (hit == kNoGrip && Contains(bounds, point)) return kBody;
    return hit;
}

QRect GripRect(const TBounds& bounds, int grip) {
    return {PlaceOf(bounds, grip).Point - QPoint(3, 3), QSize(6, 6)};
}

Qt::CursorShape GripCursor(int grip) {
    switch (grip) {
    case kBody:
        return Qt::SizeAllCursor;
    case 1:
    case 5:
        return Qt::SizeFDiagCursor;
    case 2:
    case 6:
        return Qt::SizeVerCursor;
    case 3:
    case 7:
        return Qt::SizeBDiagCursor;
    case 4:
    case 8:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

bool Contains(const TBounds& b, QPoint point) {
    return InRange(point.x(), b.Left, b.Right() - 1) && InRange(point.y(), b.Top, b.Bottom() - 1);
}

bool ContainsStrictly(const TBounds& b, QPoint point) {
    return b.Left < point.x() && point.x() < b.Right() - 1 && b.Top < point.y() &&
           point.y() < b.Bottom() - 1;
}

bool TouchesBand(const TBounds& b, const QRect& band) {
    return b.Right() - 1 >= band.left() && b.Left <= band.right() && b.Bottom() - 1 >= band.top() &&
           b.Top <= band.bottom();
}

int SnapCoordinate(int value, int step) {
    return step * ((value + step / 2) / step);
}

QPoint SnapPoint(QPoint point, const TGrid& grid) {
    if (!grid.Snap) return point;
    return {SnapCoordinate(point.x(), grid.X), SnapCoordinate(point.y(), grid.Y)};
}

TBounds ApplyGrip(TBounds b, int grip, int dx, int dy) {
    const bool left = grip == 1 || grip == 7 || grip == 8;
    const bool top = grip == 1 || grip == 2 || grip == 3;
    const bool right = grip == 3 || grip == 4 || grip == 5;
    const bool bottom = grip == 5 || grip == 6 || grip == 7;
    if (grip == kBody) {
        b.Left += dx;
        b.Top += dy;
        return b;
    }
    if (left) {
        b.Left += dx;
        b.Width -= dx;
    }
    if (right) b.Width += dx;
    if (top) {
        b.Top += dy;
        b.Height -= dy;
    }
    if (bottom) b.Height += dy;
    return b;
}

TBounds WithMinimumSize(TBounds b, int minimumWidth, int minimumHeight) {
    b.Width = std::max(b.Width, minimumWidth);
    b.Height = std::max(b.Height, minimumHeight);
    return b;
}

TDragStep DragStep(QPoint last, QPoint point, const TGrid& grid) {
    const int dx = point.x() - last.x();
    const int dy = point.y() - last.y();
    if (!grid.Snap) return {dx != 0 || dy != 0, dx, dy};
    if (std::abs(dx) < grid.X && std::abs(dy) < grid.Y) return {};
    return {true, dx / grid.X * grid.X, dy / grid.Y * grid.Y};
}

TBounds ClampedToPanel(TBounds b, QSize panel) {
    if (b.Left < 0) b.Left = 0;
    if (b.Top < 0) b.Top = 0;
    // A panel narrower than that still keeps the corner at its edge.
    b.Left = std::min(b.Left, std::max(0, panel.width() - 5));
    b.Top = std::min(b.Top, std::max(0, panel.height() - 5));
    return b;
}

QRect NormalisedBand(QPoint anchor, QPoint point) {
    return QRect(QPoint(std::min(anchor.x(), point.x()), std::min(anchor.y(), point.y())),
                 QPoint(std::max(anchor.x(), point.x()), std::max(anchor.y(), point.y())));
}

} // namespace brelvane
