#pragma once

#include "render/TransitionFrame.h"

namespace brelvane {

// A solid band growing from one side with a zone of random speckles ahead of it,
// denser near the band.
void DrawSpeckles(TransitionFrame& f, Axis along, bool fromFar);

template <Axis Along, bool FromFar> void SpeckleStyle(TransitionFrame& f) {
    DrawSpeckles(f, Along, FromFar);
}

} // namespace brelvane
