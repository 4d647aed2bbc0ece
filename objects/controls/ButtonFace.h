#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace brelvane {

// A one-pixel 3-D frame: `topLeft` on the top row and left column,
// `bottomRight` on the bottom row and right column (which own the corners
// they share); `rect` shrinks by one pixel on every side.
void DrawFrame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight);

// A push-button face in the platform's 3-D colours with a one-pixel bevel,
// raised or sunken; `rect` shrinks to the face inside the bevel.
void DrawButtonFace(QPainter& painter, QRect& rect, bool sunken);

} // namespace brelvane
