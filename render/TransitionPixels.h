#pragma once

#include "render/TransitionFrame.h"

namespace brelvane {

// The styles that work pixel by pixel on 32-bit rows.
void Fade(TransitionFrame& f);

enum class Corner { TopLeft, BottomLeft, TopRight, BottomRight };

// Turns the picture about a corner into place, a quarter turn away at progress 0.
void DrawPivot(TransitionFrame& f, Corner corner);

template <Corner C> void PivotStyle(TransitionFrame& f) {
    DrawPivot(f, C);
}

} // namespace brelvane
