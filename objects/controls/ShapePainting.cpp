#include "objects/controls/ShapePainting.h"

#include "objects/records/ShapePayload.h"
#include "render/GradientFill.h"
#include "render/SystemColors.h"

#include <QPolygonF>
#include <algorithm>
#include <initializer_list>

namespace brelvane {

namespace {
constexpr int kMaxBorderWidth = 10000;
constexpr int kMaxParameter = 100000;

QRectF Box(qreal left, qreal top, qreal right, qreal bottom, bool forStroke) {
    // A stroked box passes through the centres of its first and last pixels.
    return forStroke ? QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1)
                     : QRectF(left, top, right - left, bottom - top);
}

QPainterPath Polygon(std::initializer_list<QPointF> points, bool forStroke) {
    QPolygonF polygon(points);
    if (forStroke) polygon.translate(0.5, 0.5);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath RoundBox(qreal left, qreal top, qreal right, qreal bottom, int corner,
                      bool forStroke) {
    QPainterPath path;
    const qreal radius = std::max(corner, 0) / 2.0;
    path.addRoundedRect(Box(left, top, right, bottom, forStroke), radius, radius);
    return path;
}

// A polyline of horizontal and vertical segments; the end point of each
// segment is left out.
void Polyline(QPainter& painter, const QColor& color, std::initializer_list<QPoint> points) {
    const QPoint* from = nullptr;
    for (const QPoint& to : points) {
        if (from) {
            const int dx = to.x() - from->x(), dy = to.y() - from->y();
            if (dy == 0 && dx > 0) painter.fillRect(QRect(from->x(), to.y(), dx, 1), color);
            if (dy == 0 && dx < 0) painter.fillRect(QRect(to.x() + 1, to.y(), -dx, 1), color);
            if (dx == 0 && dy > 0) painter.fillRect(QRect(to.x(), from->y(), 1, dy), color);
            if (dx == 0 && dy < 0) painter.fillRect(QRect(to.x(), to.y() + 1, 1, -dy), color);
        }
        from = &to;
    }
}

QPen OutlinePen(const QColor& color, int width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void StrokeRoundBox(QPainter& painter, const QColor& color, int left, int top, int right,
                    int bottom, int corner) {
    painter.strokePath(RoundBox(left, top, right, bottom, corner, true), OutlinePen(color, 1));
}

void Line(QPainter& painter, const QColor& color, int width, QPoint from, QPoint to) {
    painter.setPen(OutlinePen(color, std::max(width, 1)));
    painter.drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(to) + QPointF(0.5, 0.5));
}

void PaintFrameShape(QPainter& painter, const TShapePayload& shape, int CW, int CH, int BW) {
    const QColor shadow = ResolveColor(SystemColorValue(COLOR_BTNSHADOW));
    const QColor highlight = ResolveColor(SystemColorValue(COLOR_BTNHIGHLIGHT));
    const QColor dark(113, 111, 100), face(241, 239, 226), mid(172, 168, 153), white(255, 255, 255);
    const int P = std::clamp(shape.Parameter, -kMaxParameter, kMaxParameter);
    const auto frame = [&](const QColor& first, const QColor& second) {
        Polyline(painter, first, {{1, 1}, {CW - 1, 1}, {CW - 1, CH - 1}, {1, CH - 1}, {1, 1}});
        Polyline(painter, second, {{0, 0}, {CW - 2, 0}, {CW - 2, CH - 2}, {0, CH - 2}, {0, 0}});
    };
    const auto bevel = [&](const QColor& c1, const QColor& c2, const QColor& c3, const QColor& c4) {
        Polyline(painter, c1, {{CW - 3, 1}, {1, 1}, {1, CH - 2}});
        Polyline(painter, c2, {{1, CH - 2}, {CW - 2, CH - 2}, {CW - 2, 0}});
        Polyline(painter, c3, {{CW - 2, 0}, {0, 0}, {0, CH - 1}});
        Polyline(painter, c4, {{0, CH - 1}, {CW - 1, CH - 1}, {CW - 1, -1}});
    };
    const auto box = [&](const QColor& first, const QColor& second) {
        Polyline(painter, first, {{CW - 1, 0}, {0, 0}, {0, CH}});
        Polyline(painter, second, {{0, CH - 1}, {CW - 1, CH - 1}, {CW - 1, -1}});
    };
    const QColor border = ResolveColor(shape.BorderColor);
    switch (shape.Shape) {
    case sk3DFrameLowered:
        frame(highlight, shadow);
        break;
    case sk3DFrameRaised:
        frame(shadow, highlight);
        break;
    case sk3DBorderLowered:
        bevel(dark, face, mid, white);
        break;
    case sk3DBorderRaised:
        bevel(face, dark, white, mid);
        break;
    case sk3DBoxLowered:
        box(shadow, highlight);
        break;
    case sk3DBoxRaised:
        box(highlight, shadow);
        break;
    case sk3DRoundBoxLowered:
        StrokeRoundBox(painter, shadow, 0, 0, CW - 2, CH - 2, P);
        StrokeRoundBox(painter, highlight, 1, 1, CW - 1, CH - 1, P);
        break;
    case sk3DRoundBoxRaised:
        StrokeRoundBox(painter, shadow, 1, 1, CW - 1, CH - 1, P);
        StrokeRoundBox(painter, highlight, 0, 0, CW - 2, CH - 2, P);
        break;
    case skHorizontalLine:
        Line(painter, border, BW, {0, CH / 2}, {CW, CH / 2});
        break;
    case skVerticalLine:
        Line(painter, border, BW, {CW / 2, 0}, {CW / 2, CH});
        break;
    case skLeftTopRightBottomLine:
        Line(painter, border, BW, {0, 0}, {CW, CH});
        break;
    case skRightTopLeftBottomLine:
        Line(painter, border, BW, {CW, 0}, {0, CH});
        break;
    default:
        break;
    }
}
} // namespace

QPainterPath ShapeOutline(int shape, int left, int top, int right, int bottom, QSize client,
                          int parameter, bool forStroke) {
    const qreal L = left, T = top, R = right, B = bottom;
    const qreal CW = client.width(), CH = client.height();
    const qreal P = std::clamp(parameter, -kMaxParameter, kMaxParameter);
    // Midpoints truncate as integer division does.
    const qreal cw2 = client.width() / 2, ch2 = client.height() / 2;
    const qreal p2 = static_cast<int>(P) / 2;
    QPainterPath path;
    switch (shape) {
    case 0:
        path.addRect(Box(L, T, R, B, forStroke));
        return path;
    case 1:
        return RoundBox(L, T, R, B, static_cast<int>(P), forStroke);
    case 2:
        path.addEllipse(Box(L, T, R, B, forStroke));
        return path;
    case 3:
        return Polygon({{cw2, T}, {L, ch2}, {cw2, B}, {R, ch2}}, forStroke);
    case 4:
        return Polygon({{L, B}, {R, B}, {cw2, T}}, forStroke);
    case 5:
        return Polygon({{L, T}, {R, T}, {cw2, B}}, forStroke);
    case 6:
        return Polygon({{L, ch2}, {R, B}, {R, T}}, forStroke);
    case 7:
        return Polygon({{L, T}, {L, B}, {R, ch2}}, forStroke);
    case 8:
        return Polygon({{L, T}, {L, B}, {R, B}}, forStroke);
    case 9:
        return Polygon({{L, T}, {L, B}, {R, T}}, forStroke);
    case 10:
        return Polygon({{L, B}, {R, B}, {R, T}}, forStroke);
    case 11:
        return Polygon({{L, T}, {R, B}, {R, T}}, forStroke);
    case 12:
        return Polygon({{L, B}, {R, B}, {CW - p2, T}, {p2, T}}, forStroke);
    case 13:
        return Polygon({{L, B}, {R, B}, {CW - P, T}, {L, T}}, forStroke);
    case 14:
        return Polygon({{L, B}, {R, B}, {R, T}, {P, T}}, forStroke);
    case 15:
        return Polygon({{L, T}, {p2, B}, {CW - p2, B}, {R, T}}, forStroke);
    case 16:
        return Polygon({{L, T}, {L, B}, {CW - P, B}, {R, T}}, forStroke);
    case 17:
        return Polygon({{L, T}, {P, B}, {R, B}, {R, T}}, forStroke);
    case 18:
        return Polygon({{L, p2}, {L, CH - p2}, {R, B}, {R, T}}, forStroke);
    case 19:
        return Polygon({{L, P}, {L, B}, {R, B}, {R, T}}, forStroke);
    case 20:
        return Polygon({{L, T}, {L, CH - P}, {R, B}, {R, T}}, forStroke);
    case 21:
        return Polygon({{L, T}, {L, B}, {R, CH - p2}, {R, p2}}, forStroke);
    case 22:
        return Polygon({{L, T}, {L, B}, {R, B}, {R, P}}, forStroke);
    case 23:
        return Polygon({{L, T}, {L, B}, {R, CH - P}, {R, T}}, forStroke);
    case 24:
        return Polygon({{L, ch2}, {p2, B}, {CW - p2, B}, {R, ch2}, {CW - p2, T}, {p2, T}},
                       forStroke);
    case 25:
        return Polygon({{L, p2}, {L, CH - p2}, {cw2, B}, {R, CH - p2}, {R, p2}, {cw2, T}},
                       forStroke);
    default:
        return path;
    }
}

QBrush FillBrush(int style, const QColor& color) {
    switch (style) {
    case sfSolid:
        return QBrush(color);
    case sfHorizontal:
        return QBrush(color, Qt::HorPattern);
    case sfVertical:
        return QBrush(color, Qt::VerPattern);
    case sfFDiagonal:
        return QBrush(color, Qt::FDiagPattern);
    case sfBDiagonal:
        return QBrush(color, Qt::BDiagPattern);
    case sfCross:
        return QBrush(color, Qt::CrossPattern);
    case sfDiagCross:
        return QBrush(color, Qt::DiagCrossPattern);
    default:
        return QBrush(Qt::NoBrush);
    }
}

void PaintShape(QPainter& painter, const TShapePayload& shape, QSize client) {
    const int CW = client.width(), CH = client.height();
    if (CW <= 0 || CH <= 0) return;
    const int BW = std::clamp(shape.BorderWidth, 0, kMaxBorderWidth);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    if (shape.Shape >= sk3DFrameLowered) {
        PaintFrameShape(painter, shape, CW, CH, BW);
        painter.restore();
        return;
    }
    const int h = BW / 2;
    const auto outline = [&](int L, int T, int R, int B, bool forStroke) {
        return ShapeOutline(shape.Shape, L, T, R, B, client, shape.Parameter, forStroke);
    };
    const bool gradient = shape.FillStyle >= gfTopBottom && shape.FillStyle <= gfLeftRightMiddle;
    if (gradient) {
        painter.setClipPath(outline(0, 0, CW, CH, false));
        GradientFill(painter, shape.FillStyle, shape.FillColor, QRect(0, 0, CW, CH),
                     shape.GradientColor);
        painter.setClipping(false);
    } else {
        painter.fillPath(outline(h, h, CW - h, CH - h, false),
                         FillBrush(shape.FillStyle, ResolveColor(shape.FillColor)));
    }
    if (BW > 0)
        painter.strokePath(outline(h, h, CW - h, CH - h, true),
                           OutlinePen(ResolveColor(shape.BorderColor), BW));
    painter.restore();
}

} // namespace brelvane
