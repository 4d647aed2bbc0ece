#pragma once

#include "render/TransitionFrame.h"

namespace brelvane {

// Styles that grow one small shape at every point of a grid of about half the step span.
void TriangularShred(TransitionFrame& f);
void RandomSquares(TransitionFrame& f);
void RectangularShred(TransitionFrame& f);

} // namespace brelvane
