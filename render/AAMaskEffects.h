#pragma once

#include "render/AAMask.h"
#include "render/UniformRandom.h"

namespace brelvane {

// Operations on a coverage mask, in place.

// Keeps only the edges: the summed differences across the pixel in four directions, / 4.
// Border pixels keep their values.
void OutlineMask(TAAMask& mask);
// Scatters each pixel to a random place within `radius`, reading pixels already scattered.
void SprayMask(TAAMask& mask, int radius, UniformRandom& random);
// Left-right.
void MirrorMaskHorz(TAAMask& mask);
// Top-bottom.
void MirrorMaskVert(TAAMask& mask);
// Moves each pixel toward its 5 x 5 average by `percent` (0..100); the edge pixels repeat
// outward.
void BlurMask(TAAMask& mask, int percent);

} // namespace brelvane
