#pragma once

#include <QImage>
#include <QPolygonF>
#include <QTransform>
#include <vector>

namespace brelvane {

// One edge of a polygon outline, top end first; `Winding` is +1 for a downward edge and -1 for
// an upward one.
struct TFillEdge {
    qreal X0, Y0, X1, Y1;
    int Winding;
};

// The edges of closed polygons after `transform`, horizontal edges dropped.
void AppendEdges(const QList<QPolygonF>& polygons, const QTransform& transform,
                 std::vector<TFillEdge>& edges);

// Sets to 255 every pixel of an 8-bit image whose centre lies inside the outline under the
// non-zero winding rule. Qt's raster engine hands large aliased fills to its thread pool, which
// costs more than the fill itself for the glyph-sized shapes drawn here, so they are filled
// directly. Sorts `edges`.
void FillNonZero(QImage& image, std::vector<TFillEdge>& edges);

} // namespace brelvane
