#include "render/TransitionShreds.h"

#include "render/UniformRandom.h"

namespace brelvane {
namespace {

// Strips lying along `along`: L is the length they grow over, C the length across them.
void AddShreds(std::vector<Box>& boxes, Axis along, int L, int C, int A, int kind) {
    if (kind == 0) return;
    UniformRandom& random = TransitionRandom();
    const int jitterRange = A < L ? L / 7 : 0;
    const auto jitter = [&] {
        const int plus = random.Below(jitterRange);
        return plus - random.Below(jitterRange);
    };
    // Each strip is widened by the remainder so that the last one reaches the far edge.
    const int thickness = 5 + C % 5;
    for (int o = 0; o < C; o += 5) {
        const auto add = [&](int from, int to) {
            boxes.push_back(AxisBox(along, {from, to}, {o, o + thickness}));
        };
        switch (kind) {
        case 1:
            add(L - A + jitter(), L);
            break;
        case 2:
            add(0, A + jitter());
            break;
        case 3:
            add(Half(L - A + jitter()), Half(L));
            add(Half(L), Half(A + L + jitter()));
            break;
        case 4:
            add(L - Half(A + jitter()), L);
            add(0, Half(A + jitter()));
            break;
        default:
            break;
        }
    }
}

} // namespace

std::vector<Box> ShredBoxes(const TransitionFrame& f, ShredPlan plan) {
    std::vector<Box> boxes;
    AddShreds(boxes, Axis::Horizontal, f.W, f.H, f.X, plan.horizontalKind);
    AddShreds(boxes, Axis::Vertical, f.H, f.W, f.Y, plan.verticalKind);
    return boxes;
}

} // namespace brelvane
