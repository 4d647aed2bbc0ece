#pragma once

#include "render/UniformRandom.h"
#include "storage/EffectBlock.h"

#include <QColor>
#include <QImage>

namespace brelvane {

// Foreground bitmaps that give the text its colours, drawn into a 32-bit bitmap of the mask's
// size.

// The two-colour ramp of `gradual` in its style; the centre styles have StartColor in the
// middle and EndColor at both edges.
void FillGradient(QImage& foreground, const TAAGradual& gradual);
// The font colour with the texture picture drawn on it by the texture's mode. False when the
// picture has nothing to draw.
bool FillTexture(QImage& foreground, const TAATexture& texture, const QColor& fontColor);
// Adds random(n) - n / 2 to every colour byte, clamped to 0..255.
void AddNoise(QImage& foreground, int n, UniformRandom& random);

} // namespace brelvane
