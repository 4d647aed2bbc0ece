#include "render/TransitionShapes.h"

#include "render/PolygonRows.h"
#include "render/TransitionPrimitives.h"

#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace brelvane {
namespace {

// A rounded rectangle whose corners are quarters of an ellipse of the given size, clamped
// to the rectangle like the platform's region call.
QPolygon RoundRect(Box box, int ellipseWidth, int ellipseHeight) {
    QPainterPath path;
    path.addRoundedRect(ToRect(box), ellipseWidth / 2.0, ellipseHeight / 2.0, Qt::AbsoluteSize);
    return path.toFillPolygon().toPolygon();
}

void CopySpans(TransitionFrame& f, int y, std::span<const Interval> spans) {
    for (const Interval& span : spans)
        Show(f, {span.from, y, span.to, y + 1});
}

// Draws the new picture through a polygon filled by the non-zero winding rule, row by row.
void ShowPolygon(TransitionFrame& f, const QList<QPoint>& points) {
    ForEachPolygonRow(points, 0, f.H,
                      [&f](int y, std::span<const Interval> spans) { CopySpans(f, y, spans); });
}

void ShowRoundRect(TransitionFrame& f, Box box, int ellipseWidth, int ellipseHeight) {
    ShowPolygon(f, RoundRect(box, ellipseWidth, ellipseHeight));
}

// Draws the new picture everywhere in the frame but inside a polygon.
void ShowOutsidePolygon(TransitionFrame& f, const QList<QPoint>& points) {
    int nextRow = 0;
    std::vector<Interval> outside;
    const auto showRowsUpTo = [&f, &nextRow](int y) {
        for (; nextRow < y; ++nextRow)
            Show(f, {0, nextRow, f.W, nextRow + 1});
    };
    ForEachPolygonRow(points, 0, f.H, [&](int y, std::span<const Interval> spans) {
        showRowsUpTo(y);
        outside.clear();
        int from = 0;
        for (const Interval& span : spans) {
            if (span.from > from) outside.push_back({from, span.from});
            from = std::max(from, span.to);
        }
        if (from < f.W) outside.push_back({from, f.W});
        CopySpans(f, y, outside);
        nextRow = y + 1;
    });
    showRowsUpTo(f.H);
}

void ShowPolygons(TransitionFrame& f, std::initializer_list<QList<QPoint>> polygons) {
    for (const QList<QPoint>& points : polygons)
        ShowPolygon(f, points);
}

QPoint Centre(const TransitionFrame& f) {
    return {Half(f.W), Half(f.H)};
}

QPoint Rotated(QPoint p, QPoint c, double angle) {
    const double x = p.x() - c.x();
    const double y = p.y() - c.y();
    return {c.x() + static_cast<int>(std::lround(std::cos(angle) * x - std::sin(angle) * y)),
            c.y() + static_cast<int>(std::lround(std::sin(angle) * x + std::cos(angle) * y))};
}

// Rotates offsets from the centre by P pi / 50 and shows the polygon they make.
void ShowTurningPolygon(TransitionFrame& f, std::initializer_list<QPoint> offsets) {
    const QPoint c = Centre(f);
    const double angle = f.P * std::numbers::pi / 50;
    QList<QPoint> points;
    for (const QPoint& offset : offsets)
        points.append(Rotated(c + offset, c, angle));
    ShowPolygon(f, points);
}

// The pie from the top of the circle round the picture: P points 3.6 degrees apart.
void ShowSweep(TransitionFrame& f, double direction) {
    const QPoint c = Centre(f);
    const double radius = std::ceil(std::hypot(c.x(), c.y()));
    QList<QPoint> points{c};
    for (int i = 0; i < f.P; ++i) {
        const double angle = -std::numbers::pi / 2 + direction * i * std::numbers::pi / 50;
        points.append({c.x() + static_cast<int>(std::lround(radius * std::cos(angle))),
                       c.y() + static_cast<int>(std::lround(radius * std::sin(angle)))});
    }
    ShowPolygon(f, points);
}

} // namespace

void CurvedRevealFromLeft(TransitionFrame& f) {
    ShowRoundRect(f, {-2 * f.W, -5, 2 * f.X, f.H + 5}, 2 * f.W, 2 * f.W);
}

void CurvedRevealFromRight(TransitionFrame& f) {
    ShowRoundRect(f, {f.W - 2 * f.X, -5, 3 * f.W, f.H + 5}, 2 * f.W, 2 * f.W);
}

void CurvedRevealFromTop(TransitionFrame& f) {
    ShowRoundRect(f, {-5, -2 * f.H, f.W + 5, 2 * f.Y}, 2 * f.H, 2 * f.H);
}

void CurvedRevealFromBottom(TransitionFrame& f) {
    ShowRoundRect(f, {-5, f.H - 2 * f.Y, f.W + 5, 3 * f.H}, 2 * f.H, 2 * f.H);
}

void CurvedRevealFromTopLeft(TransitionFrame& f) {
    ShowRoundRect(f, {-2 * f.W, -2 * f.H, 2 * f.X, 2 * f.Y}, 2 * f.W, 2 * f.H);
}

void CurvedRevealFromTopRight(TransitionFrame& f) {
    ShowRoundRect(f, {f.W - 2 * f.X, -2 * f.H, 3 * f.W, 2 * f.Y}, 2 * f.W, 2 * f.H);
}

void CurvedRevealFromBottomLeft(TransitionFrame& f) {
    ShowRoundRect(f, {-2 * f.W, f.H - 2 * f.Y, 2 * f.X, 3 * f.H}, 2 * f.W, 2 * f.H);
}

void CurvedRevealFromBottomRight(TransitionFrame& f) {
    ShowRoundRect(f, {f.W - 2 * f.X, f.H - 2 * f.Y, 3 * f.W, 3 * f.H}, 2 * f.H, 2 * f.H);
}

void CircularRevealFromCentre(TransitionFrame& f) {
    const QPoint c = Centre(f);
    ShowRoundRect(f, {c.x() - f.X, c.y() - f.Y, c.x() + f.X, c.y() + f.Y}, 9 * f.X / 5,
                  9 * f.Y / 5);
}

void CircularRevealToCentre(TransitionFrame& f) {
    const Box shrinking{f.X - Half(f.W), f.Y - Half(f.H), Half(3 * f.W) - f.X, Half(3 * f.H) - f.Y};
    ShowOutsidePolygon(f, RoundRect(shrinking, 9 * (f.W - f.X) / 5, 9 * (f.H - f.Y) / 5));
}

void DiagonalFromTopLeft(TransitionFrame& f) {
    ShowPolygons(f, {{{0, 0}, {2 * f.X, 0}, {0, 2 * f.Y}}});
}

void DiagonalFromTopRight(TransitionFrame& f) {
    ShowPolygons(f, {{{f.W, 0}, {f.W - 2 * f.X, 0}, {f.W, 2 * f.Y}}});
}

void DiagonalFromBottomLeft(TransitionFrame& f) {
    ShowPolygons(f, {{{0, f.H}, {2 * f.X, f.H}, {0, f.H - 2 * f.Y}}});
}

void DiagonalFromBottomRight(TransitionFrame& f) {
    ShowPolygons(f, {{{f.W, f.H}, {f.W - 2 * f.X, f.H}, {f.W, f.H - 2 * f.Y}}});
}

void DiagonalSweepAnticlockwise(TransitionFrame& f) {
    ShowPolygons(f, {{{0, f.H}, {0, 0}, {f.X, f.H}}, {{f.W, f.H}, {f.W, 0}, {f.W - f.X, 0}}});
}

void DiagonalSweepClockwise(TransitionFrame& f) {
    ShowPolygons(f, {{{f.W, 0}, {0, 0}, {f.W, f.Y}}, {{f.W, f.H}, {0, f.H}, {0, f.H - f.Y}}});
}

void StarburstClockwise(TransitionFrame& f) {
    const QPoint c = Centre(f);
    ShowPolygons(f, {{c, {0, f.H}, {0, f.H - f.Y}},
                     {{0, 0}, {f.X, 0}, c},
                     {{f.W - f.X, f.H}, {f.W, f.H}, c},
                     {c, {f.W, 0}, {f.W, f.Y}}});
}

void SweepClockwise(TransitionFrame& f) {
    ShowSweep(f, 1);
}

void SweepAnticlockwise(TransitionFrame& f) {
    ShowSweep(f, -1);
}

void RotationalRectangle(TransitionFrame& f) {
    const int a = Half(f.X);
    const int b = Half(f.Y);
    ShowTurningPolygon(f, {{-a, -b}, {a, -b}, {a, b}, {-a, b}});
}

void RotationalStar(TransitionFrame& f) {
    const int a = Half(f.X);
    const int b = Half(f.Y);
    ShowTurningPolygon(f, {{-2 * f.X, 0},
                           {-a, -b},
                           {0, -2 * f.Y},
                           {a, -b},
                           {2 * f.X, 0},
                           {a, b},
                           {0, 2 * f.Y},
                           {-a, b}});
}

} // namespace brelvane
