#pragma once

#include "render/TransitionFrame.h"

#include <array>
#include <initializer_list>

namespace brelvane {

// The copy styles (expand, slide, reveal, unroll, build up, push) move along one axis
// or both; each is a product of one-dimensional copies, one for each axis.
struct AxisGeometry {
    int length = 0;      // W or H
    int reach = 0;       // X or Y
    int spanDivisor = 1; // the step span, at least 1
};

// One copy along an axis: from a source range to a destination range.
struct Segment {
    Interval from;
    Interval to;
    bool fromOldImage = false; // a push moves the old image instead of copying the picture
    bool mirrored = false;     // the rolled-over part of an unroll
};

struct Segments {
    std::array<Segment, 2> items{};
    int count = 0;
};

using AxisCopy = Segments (*)(const AxisGeometry&);

// Named after the horizontal style; "far" is the right or bottom side.
Segments Whole(const AxisGeometry& g);
Segments ExpandFromFar(const AxisGeometry& g);
Segments ExpandFromNear(const AxisGeometry& g);
Segments SlideInFromFar(const AxisGeometry& g);
Segments SlideInFromNear(const AxisGeometry& g);
Segments RevealFromNear(const AxisGeometry& g);
Segments RevealFromFar(const AxisGeometry& g);
Segments ExpandInFromFar(const AxisGeometry& g);
Segments ExpandInFromNear(const AxisGeometry& g);
Segments ExpandInToMiddle(const AxisGeometry& g);
Segments ExpandOutFromMiddle(const AxisGeometry& g);
Segments RevealOutFromMiddle(const AxisGeometry& g);
Segments RevealInFromSides(const AxisGeometry& g);
Segments ExpandInFromSides(const AxisGeometry& g);
Segments UnrollFromNear(const AxisGeometry& g);
Segments UnrollFromFar(const AxisGeometry& g);
Segments BuildUpFromFar(const AxisGeometry& g);
Segments BuildUpFromNear(const AxisGeometry& g);
Segments EdgeBands(const AxisGeometry& g);
Segments NearHalf(const AxisGeometry& g);
Segments FarHalf(const AxisGeometry& g);
Segments NearHalfSlidingIn(const AxisGeometry& g);
Segments FarHalfSlidingIn(const AxisGeometry& g);
Segments PushToFar(const AxisGeometry& g);
Segments PushToNear(const AxisGeometry& g);
Segments PushAndSqueezeToFar(const AxisGeometry& g);
Segments PushAndSqueezeToNear(const AxisGeometry& g);

struct CopyPlan {
    AxisCopy horizontal;
    AxisCopy vertical;
};

// Draws the products of the plans, old-image moves first so that no copy of the
// picture is moved along with them.
void DrawCopyPlans(TransitionFrame& f, std::initializer_list<CopyPlan> plans);

template <AxisCopy Horizontal, AxisCopy Vertical> void CopyStyle(TransitionFrame& f) {
    DrawCopyPlans(f, {{Horizontal, Vertical}});
}

// The styles made of more than one product.
void RevealInToCentre(TransitionFrame& f);
void QuartersSlideInToMiddle(TransitionFrame& f);

} // namespace brelvane
