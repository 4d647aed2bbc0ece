#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QSize>

namespace brelvane {

struct TShapePayload;

// Shapes 0..25 are filled figures (ShapeOutline); these draw lines only.
enum TShapeKind : int {
    sk3DFrameLowered = 26,
    sk3DFrameRaised,
    sk3DBorderLowered,
    sk3DBorderRaised,
    sk3DBoxLowered,
    sk3DBoxRaised,
    sk3DRoundBoxLowered,
    sk3DRoundBoxRaised,
    skHorizontalLine,
    skVerticalLine,
    skLeftTopRightBottomLine,
    skRightTopLeftBottomLine,
};

enum TShapeFillStyle : int {
    sfSolid = 0,
    sfClear = 1001,
    sfHorizontal,
    sfVertical,
    sfFDiagonal,
    sfBDiagonal,
    sfCross,
    sfDiagCross,
};

// The figure of shapes 0..25 in the rectangle (left, top)-(right, bottom) of a
// client of `client` size. Coordinates are pixel positions: the path of a
// filled area runs along pixel corners, a stroked outline (`forStroke`) through
// pixel centres, so that a point (x, y) of the figure lies on pixel (x, y).
// Empty for other shapes.
QPainterPath ShapeOutline(int shape, int left, int top, int right, int bottom, QSize client,
                          int parameter, bool forStroke);

// Paints a shape of `client` size: fill, gradient or hatch, outline, or the
// 3-D frames, boxes and lines. Absurd values draw something or nothing, never fail.
void PaintShape(QPainter& painter, const TShapePayload& shape, QSize client);

} // namespace brelvane
