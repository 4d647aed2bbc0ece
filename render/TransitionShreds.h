#pragma once

#include "render/TransitionPrimitives.h"

#include <vector>

namespace brelvane {

// Strips 5 pixels thick whose ends jitter at random while they travel. Kind 0 draws no
// strips, 1 grows from the right (bottom), 2 from the left (top), 3 out from the middle,
// 4 in from both sides.
struct ShredPlan {
    int horizontalKind = 0;
    int verticalKind = 0;
};

std::vector<Box> ShredBoxes(const TransitionFrame& f, ShredPlan plan);

template <ShredPlan Plan> void ShredStyle(TransitionFrame& f) {
    ShowBoxes(f, ShredBoxes(f, Plan));
}

} // namespace brelvane
