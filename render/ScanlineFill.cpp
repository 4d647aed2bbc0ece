#include "render/ScanlineFill.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace brelvane {

void AppendEdges(const QList<QPolygonF>& polygons, const QTransform& transform,
                 std::vector<TFillEdge>& edges) {
    for (const QPolygonF& polygon : polygons) {
        const qsizetype n = polygon.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QPointF a = transform.map(polygon[i]);
            const QPointF b = transform.map(polygon[(i + 1) % n]);
            // Flat edges cross no row centre; broken coordinates would cross every one.
            if (a.y() == b.y() || !std::isfinite(a.x() + a.y() + b.x() + b.y())) continue;
            if (a.y() < b.y())
                edges.push_back({a.x(), a.y(), b.x(), b.y(), 1});
            else
                edges.push_back({b.x(), b.y(), a.x(), a.y(), -1});
        }
    }
}

namespace {

struct TCrossing {
    qreal X;
    int Winding;
};

// The first pixel index at or after `position` whose centre lies at or beyond it, within
// 0..limit.
int FirstCentreFrom(qreal position, int limit) {
    return static_cast<int>(std::clamp(std::ceil(position - 0.5), qreal(0), qreal(limit)));
}

// Fills the pixels of `row` whose centres lie in [from, to).
void FillSpan(uchar* row, int width, qreal from, qreal to) {
    const int first = FirstCentreFrom(from, width);
    const int last = FirstCentreFrom(to, width);
    if (last > first) std::memset(row + first, 255, static_cast<std::size_t>(last - first));
}

} // namespace

void FillNonZero(QImage& image, std::vector<TFillEdge>& edges) {
    if (edges.empty() || image.depth() != 8) return;
    std::sort(edges.begin(), edges.end(),
              [](const TFillEdge& a, const TFillEdge& b) { return a.Y0 < b.Y0; });
    qreal bottom = edges.front().Y1;
    for (const TFillEdge& edge : edges)
        bottom = std::max(bottom, edge.Y1);
    const int width = image.width();
    const int firstRow = FirstCentreFrom(edges.front().Y0, image.height());
    const int lastRow = FirstCentreFrom(bottom, image.height());
    std::vector<const TFillEdge*> active;
    std::vector<TCrossing> crossings;
    std::size_t next = 0;
    for (int y = firstRow; y < lastRow; ++y) {
        const qreal centre = y + 0.5;
        while (next < edges.size() && edges[next].Y0 <= centre)
            active.push_back(&edges[next++]);
        // An edge covers the centres in [Y0, Y1), so shared end points count once.
        std::erase_if(active, [centre](const TFillEdge* edge) { return edge->Y1 <= centre; });
        crossings.clear();
        for (const TFillEdge* edge : active) {
            const qreal t = (centre - edge->Y0) / (edge->Y1 - edge->Y0);
            crossings.push_back({edge->X0 + t * (edge->X1 - edge->X0), edge->Winding});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const TCrossing& a, const TCrossing& b) { return a.X < b.X; });
        uchar* row = image.scanLine(y);
        int winding = 0;
        qreal start = 0;
        for (const TCrossing& crossing : crossings) {
            const int before = winding;
            winding += crossing.Winding;
            if (before == 0 && winding != 0)
                start = crossing.X;
            else if (before != 0 && winding == 0)
                FillSpan(row, width, start, crossing.X);
        }
    }
}

} // namespace brelvane
