#include "render/TransitionBlinds.h"

#include "render/TransitionPrimitives.h"

#include <vector>

namespace brelvane {
namespace {

void AddSlats(std::vector<Box>& boxes, const TransitionFrame& f, BlindPlan plan) {
    const int L = f.Length(plan.along);
    const int C = plan.along == Axis::Horizontal ? f.H : f.W;
    int p = plan.period == Period::Reach ? f.Reach(plan.along) : L / f.SpanDivisor();
    // A period under one pixel makes one slat as long as the picture.
    if (p < 1) p = L;
    const auto add = [&](int from, int to) {
        boxes.push_back(AxisBox(plan.along, {from, to}, {0, C}));
    };
    if (plan.centred) {
        const int half = f.P * p / 200;
        for (int start = 0; start < L; start += p)
            add(start + Half(p) - half, start + Half(p) + half);
        return;
    }
    const int shown = f.P * p / 100;
    if (plan.fromFar) {
        for (int end = L; end >= 0; end -= p)
            add(end - shown, end);
        return;
    }
    for (int start = 0; start < L; start += p)
        add(start, start + shown);
}

} // namespace

void DrawBlinds(TransitionFrame& f, const BlindPlan* plans, int count) {
    std::vector<Box> boxes;
    for (int i = 0; i < count; ++i)
        AddSlats(boxes, f, plans[i]);
    ShowBoxes(f, boxes);
}

} // namespace brelvane
