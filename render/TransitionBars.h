#pragma once

#include "render/TransitionPrimitives.h"

#include <vector>

namespace brelvane {

// How far the bars reach in terms of X (or Y): not at all, once, or twice for styles that
// fill the strips in two passes.
enum class Reach { None, Once, Twice };

// Strips 5 pixels thick with a period of 10, growing along the picture. Kind 0 draws no
// strips, 1 grows from the right (bottom), 2 from the left (top), 3 from both sides in
// alternate strips, 4 first pass from the left then from the right, 5 the other way round.
struct BarPlan {
    Reach reach = Reach::None;
    int horizontalKind = 0;
    int verticalKind = 0;
    bool snapToEdge = false; // a bar within a step span of the edge is drawn full
};

std::vector<Box> BarBoxes(const TransitionFrame& f, BarPlan plan);

template <BarPlan Plan> void BarStyle(TransitionFrame& f) {
    ShowBoxes(f, BarBoxes(f, Plan));
}

// The criss-cross that shows only where the bars from bottom right and from top left meet.
void CrissCrossFromBottomLeftTopRight(TransitionFrame& f);

} // namespace brelvane
