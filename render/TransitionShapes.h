#pragma once

#include "render/TransitionFrame.h"

namespace brelvane {

// Styles that draw the new picture through one growing shape: rounded rectangles,
// triangles, pies and rotating polygons.
void CurvedRevealFromLeft(TransitionFrame& f);
void CurvedRevealFromRight(TransitionFrame& f);
void CurvedRevealFromTop(TransitionFrame& f);
void CurvedRevealFromBottom(TransitionFrame& f);
void CurvedRevealFromTopLeft(TransitionFrame& f);
void CurvedRevealFromTopRight(TransitionFrame& f);
void CurvedRevealFromBottomLeft(TransitionFrame& f);
void CurvedRevealFromBottomRight(TransitionFrame& f);
void CircularRevealFromCentre(TransitionFrame& f);
void CircularRevealToCentre(TransitionFrame& f);

void DiagonalFromTopLeft(TransitionFrame& f);
void DiagonalFromTopRight(TransitionFrame& f);
void DiagonalFromBottomLeft(TransitionFrame& f);
void DiagonalFromBottomRight(TransitionFrame& f);
void DiagonalSweepAnticlockwise(TransitionFrame& f);
void DiagonalSweepClockwise(TransitionFrame& f);
void StarburstClockwise(TransitionFrame& f);

void SweepClockwise(TransitionFrame& f);
void SweepAnticlockwise(TransitionFrame& f);
void RotationalRectangle(TransitionFrame& f);
void RotationalStar(TransitionFrame& f);

} // namespace brelvane
