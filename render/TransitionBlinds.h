#pragma once

#include "render/TransitionFrame.h"

namespace brelvane {

enum class Period {
    StepSpan, // the picture divided by the step span: even blinds
    Reach     // X or Y itself: blinds whose period grows with the progress
};

// Slats laid out along an axis, each slat as long as the picture is across it. Each period
// shows a slat of P percent of it, from the period's start (or from its end when counting
// from the far side), or centred in the period.
struct BlindPlan {
    Axis along = Axis::Horizontal;
    Period period = Period::StepSpan;
    bool fromFar = false;
    bool centred = false;
};

void DrawBlinds(TransitionFrame& f, const BlindPlan* plans, int count);

template <BlindPlan... Plans> void BlindStyle(TransitionFrame& f) {
    static constexpr BlindPlan plans[] = {Plans...};
    DrawBlinds(f, plans, static_cast<int>(sizeof...(Plans)));
}

} // namespace brelvane
