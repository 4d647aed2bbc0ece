#include "render/PolygonRows.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace brelvane {
namespace {

struct Edge {
    int top = 0;    // first row crossed
    int bottom = 0; // first row no longer crossed
    int x = 0;      // x at the top row
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    int winding = 0; // +1 going down, -1 going up
};

struct Crossing {
    int x = 0;
    int winding = 0;
};

// Division rounding toward positive infinity, for either sign of the numerator.
std::int64_t CeilDiv(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    return quotient + (numerator % denominator > 0 ? 1 : 0);
}

std::vector<Edge> EdgesOf(std::span<const QPoint> points) {
    std::vector<Edge> edges;
    edges.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPoint a = points[i];
        const QPoint b = points[(i + 1) % points.size()];
        if (a.y() == b.y()) continue; // level edges cross no row
        const bool down = a.y() < b.y();
        const QPoint upper = down ? a : b;
        const QPoint lower = down ? b : a;
        edges.push_back({upper.y(), lower.y(), upper.x(), lower.x() - upper.x(),
                         lower.y() - upper.y(), down ? 1 : -1});
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& a, const Edge& b) { return a.top < b.top; });
    return edges;
}

} // namespace

void ForEachPolygonRow(std::span<const QPoint> points, int top, int bottom,
                       const std::function<void(int y, std::span<const Interval> spans)>& row) {
    if (points.size() < 3) return;
    std::vector<Interval> spans;
    const std::vector<Edge> edges = EdgesOf(points);
    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    std::size_t next = 0;
    const int first = edges.empty() ? bottom : std::max(top, edges.front().top);
    for (int y = first; y < bottom; ++y) {
        while (next < edges.size() && edges[next].top <= y)
            active.push_back(&edges[next++]);
        std::erase_if(active, [y](const Edge* edge) { return edge->bottom <= y; });
        if (active.empty()) {
            if (next == edges.size()) break;
            continue;
        }
        crossings.clear();
        for (const Edge* edge : active)
            crossings.push_back(
                {edge->x + static_cast<int>(CeilDiv((y - edge->top) * edge->dx, edge->dy)),
                 edge->winding});
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        spans.clear();
        int winding = 0;
        int from = 0;
        for (const Crossing& crossing : crossings) {
            const bool wasInside = winding != 0;
            winding += crossing.winding;
            if (!wasInside && winding != 0) {
                from = crossing.x;
            } else if (wasInside && winding == 0 && crossing.x > from) {
                if (!spans.empty() && spans.back().to >= from)
                    spans.back().to = crossing.x;
                else
                    spans.push_back({from, crossing.x});
            }
        }
        if (!spans.empty()) row(y, spans);
    }
}

} // namespace brelvane
