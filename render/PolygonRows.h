#pragma once

#include "render/TransitionFrame.h"

#include <QPoint>
#include <functional>
#include <span>

namespace brelvane {

// Hands each pixel row of [top, bottom) that a polygon covers, filled by the non-zero winding
// rule, to `row` as its spans, left to right and neither touching nor overlapping. The pixels are
// exactly those of QRegion(QPolygon(points), Qt::WindingFill), which the transition styles drew
// through before, without building the region: an edge from (x0, y0) down to (x1, y1) crosses
// the rows y0 .. y1 - 1 at x0 + ceil((y - y0) (x1 - x0) / (y1 - y0)), and a span runs from one
// crossing up to, not including, the next.
void ForEachPolygonRow(std::span<const QPoint> points, int top, int bottom,
                       const std::function<void(int y, std::span<const Interval> spans)>& row);

} // namespace brelvane
