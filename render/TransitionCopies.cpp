#include "render/TransitionCopies.h"

#include "render/TransitionPrimitives.h"

#include <algorithm>

namespace brelvane {
namespace {

Segments Copies(std::initializer_list<Segment> segments) {
    Segments result;
    for (const Segment& segment : segments)
        result.items[static_cast<std::size_t>(result.count++)] = segment;
    return result;
}

Segments Squeezed(Interval from, Interval to) {
    return Copies({{from, to}});
}

Segments Shown(Interval area) {
    return Copies({{area, area}});
}

Interval Shifted(Interval range, int by) {
    return {range.from + by, range.to + by};
}

struct PlannedCopy {
    Box from;
    Box to;
    Mirror mirror;
    bool fromOldImage;
};

} // namespace

Segments Whole(const AxisGeometry& g) {
    return Shown({0, g.length});
}

Segments ExpandFromFar(const AxisGeometry& g) {
    return Squeezed({0, g.length}, {g.length - g.reach, g.length});
}

Segments ExpandFromNear(const AxisGeometry& g) {
    return Squeezed({0, g.length}, {0, g.reach});
}

Segments SlideInFromFar(const AxisGeometry& g) {
    return Squeezed({0, g.length}, {g.length - g.reach, 2 * g.length - g.reach});
}

Segments SlideInFromNear(const AxisGeometry& g) {
    return Squeezed({0, g.length}, {g.reach - g.length, g.reach});
}

Segments RevealFromNear(const AxisGeometry& g) {
    return Shown({0, g.reach});
}

Segments RevealFromFar(const AxisGeometry& g) {
    return Shown({g.length - g.reach, g.length});
}

Segments ExpandInFromFar(const AxisGeometry& g) {
    return Squeezed({0, g.reach}, {0, 2 * g.length - g.reach});
}

Segments ExpandInFromNear(const AxisGeometry& g) {
    return Squeezed({g.length - g.reach, g.length}, {g.reach - g.length, g.length});
}

Segments ExpandInToMiddle(const AxisGeometry& g) {
    return Squeezed({Half(g.length - g.reach), Half(g.length + g.reach)},
                    {g.reach - g.length, 2 * g.length - g.reach});
}

Segments ExpandOutFromMiddle(const AxisGeometry& g) {
    return Squeezed({0, g.length}, {Half(g.length - g.reach), Half(g.length + g.reach)});
}

Segments RevealOutFromMiddle(const AxisGeometry& g) {
    return Shown({Half(g.length - g.reach), Half(g.length + g.reach)});
}

Segments RevealInFromSides(const AxisGeometry& g) {
    const Interval near{0, Half(g.reach) + 1};
    const Interval far{g.length - Half(g.reach) - 1, g.length};
    return Copies({{near, near}, {far, far}});
}

Segments ExpandInFromSides(const AxisGeometry& g) {
    return Copies({{{0, Half(g.length) + 1}, {0, Half(g.reach) + 1}},
                   {{Half(g.length), g.length}, {g.length - Half(g.reach) - 1, g.length}}});
}

// The rolled part is the picture beyond the roll edge turned over onto the revealed side;
// the roll is widest in the middle of the transition and narrows at both ends.
Segments UnrollFromNear(const AxisGeometry& g) {
    const int L = g.length;
    const int D = g.reach;
    int edge = D + L / 10;
    if (D < L / 5)
        edge = D + Half(D);
    else if (L < D + L / 5)
        edge = D + Half(L - D);
    return Copies({{{edge, std::min(2 * edge - D, L)}, {D, edge}, false, true}, {{0, D}, {0, D}}});
}

Segments UnrollFromFar(const AxisGeometry& g) {
    const int L = g.length;
    const int D = g.reach;
    const int E = L - D;
    int edge = E - L / 10;
    if (D < L / 5)
        edge = E - Half(D);
    else if (E < L / 5)
        edge = E - Half(E);
    return Copies({{{std::max(2 * edge - E, 0), edge}, {edge, E}, false, true}, {{E, L}, {E, L}}});
}

Segments BuildUpFromFar(const AxisGeometry& g) {
    const int L = g.length;
    const int D = g.reach;
    return Copies({{{0, D}, {0, D}}, {{D, std::min(D + L / g.spanDivisor, L)}, {D, L}}});
}

Segments BuildUpFromNear(const AxisGeometry& g) {
    const int L = g.length;
    const int E = L - g.reach;
    return Copies({{{E, L}, {E, L}}, {{std::max(E - L / g.spanDivisor, 0), E}, {0, E}}});
}

Segments EdgeBands(const AxisGeometry& g) {
    const Interval near{0, Half(g.reach)};
    const Interval far{g.length - Half(g.reach), g.length};
    return Copies({{near, near}, {far, far}});
}

Segments NearHalf(const AxisGeometry& g) {
    return Shown({0, Half(g.length)});
}

Segments FarHalf(const AxisGeometry& g) {
    return Shown({Half(g.length), g.length});
}

Segments NearHalfSlidingIn(const AxisGeometry& g) {
    const Interval half{0, Half(g.length)};
    return Squeezed(half, Shifted(half, Half(g.reach) - Half(g.length)));
}

Segments FarHalfSlidingIn(const AxisGeometry& g) {
    const Interval half{Half(g.length), g.length};
    return Squeezed(half, Shifted(half, Half(g.length) - Half(g.reach)));
}

Segments PushToFar(const AxisGeometry& g) {
    const int L = g.length;
    const int D = g.reach;
    return Copies({{{0, L - D}, {D, L}, true}, {{L - D, L}, {0, D}}});
}

Segments PushToNear(const AxisGeometry& g) {
    const int L = g.length;
    const int D = g.reach;
    return Copies({{{D, L}, {0, L - D}, true}, {{0, D}, {L - D, L}}});
}

Segments PushAndSqueezeToFar(const AxisGeometry& g) {
    const int L = g.length;
    const int D = g.reach;
    return Copies({{{0, L}, {D, L}, true}, {{L - D, L}, {0, D}}});
}

Segments PushAndSqueezeToNear(const AxisGeometry& g) {
    const int L = g.length;
    const int D = g.reach;
    return Copies({{{0, L}, {0, L - D}, true}, {{0, D}, {L - D, L}}});
}

void DrawCopyPlans(TransitionFrame& f, std::initializer_list<CopyPlan> plans) {
    const AxisGeometry across{f.W, f.X, f.SpanDivisor()};
    const AxisGeometry down{f.H, f.Y, f.SpanDivisor()};
    std::vector<PlannedCopy> copies;
    for (const CopyPlan& plan : plans) {
        const Segments xs = plan.horizontal(across);
        const Segments ys = plan.vertical(down);
        for (int i = 0; i < xs.count; ++i) {
            for (int j = 0; j < ys.count; ++j) {
                const Segment& x = xs.items[static_cast<std::size_t>(i)];
                const Segment& y = ys.items[static_cast<std::size_t>(j)];
                copies.push_back({AxisBox(Axis::Horizontal, x.from, y.from),
                                  AxisBox(Axis::Horizontal, x.to, y.to),
                                  {x.mirrored, y.mirrored},
                                  x.fromOldImage || y.fromOldImage});
            }
        }
    }
    std::stable_partition(copies.begin(), copies.end(),
                          [](const PlannedCopy& c) { return c.fromOldImage; });
    for (const PlannedCopy& c : copies) {
        if (c.fromOldImage)
            Move(f, c.from, c.to);
        else
            Squeeze(f, c.from, c.to, c.mirror);
    }
}

void RevealInToCentre(TransitionFrame& f) {
    DrawCopyPlans(f, {{EdgeBands, Whole}, {Whole, EdgeBands}});
}

// Top left comes in from the left, top right from the top, bottom right from the right
// and bottom left from the bottom.
void QuartersSlideInToMiddle(TransitionFrame& f) {
    DrawCopyPlans(f, {{NearHalfSlidingIn, NearHalf},
                      {FarHalf, NearHalfSlidingIn},
                      {FarHalfSlidingIn, FarHalf},
                      {NearHalf, FarHalfSlidingIn}});
}

} // namespace brelvane
