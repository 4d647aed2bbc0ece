#include "render/TransitionBars.h"

namespace brelvane {
namespace {

int ReachOf(Reach reach, int extent) {
    switch (reach) {
    case Reach::None:
        return 0;
    case Reach::Once:
        return extent;
    case Reach::Twice:
        return 2 * extent;
    }
    return 0;
}

// Strips lying along `along`: L is the length they grow over, C the length across them.
void AddBars(std::vector<Box>& boxes, Axis along, int L, int C, int A, int kind, int snap) {
    if (kind == 0) return;
    const auto add = [&](Interval alongRange, int from, int to) {
        boxes.push_back(AxisBox(along, alongRange, {from, to}));
    };
    if (A > L) {
        for (int i = 5; i < C + 5; i += 10) {
            add({0, L}, i - 5, i);
            if (kind == 1 || kind == 4) add({2 * L - A, L}, i, i + 5);
            if (kind == 2 || kind == 5) add({0, A - L}, i, i + 5);
        }
        return;
    }
    if (A + snap > L) A = L;
    for (int i = 0; i < C + 5; i += 10) {
        if (kind == 1 || kind == 5) add({L - A, L}, i, i + 5);
        if (kind == 2 || kind == 4) add({0, A}, i, i + 5);
        if (kind == 3) {
            add({0, A}, i + 5, i + 10);
            add({L - A, L}, i, i + 5);
        }
    }
}

} // namespace

std::vector<Box> BarBoxes(const TransitionFrame& f, BarPlan plan) {
    std::vector<Box> boxes;
    const int snap = plan.snapToEdge ? f.S : 0;
    AddBars(boxes, Axis::Horizontal, f.W, f.H, ReachOf(plan.reach, f.X), plan.horizontalKind, snap);
    AddBars(boxes, Axis::Vertical, f.H, f.W, ReachOf(plan.reach, f.Y), plan.verticalKind, snap);
    return boxes;
}

void CrissCrossFromBottomLeftTopRight(TransitionFrame& f) {
    const QRegion fromBottomRight = UniteBoxes(BarBoxes(f, {Reach::Twice, 1, 1, true}));
    const QRegion fromTopLeft = UniteBoxes(BarBoxes(f, {Reach::Twice, 2, 2, true}));
    ShowRegion(f, fromBottomRight.intersected(fromTopLeft));
}

} // namespace brelvane
