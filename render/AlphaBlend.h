#pragma once

#include <QImage>

namespace brelvane {

// Mixes two 32-bit bitmaps of equal size byte by byte: back + (fore - back) * weight / 256;
// weight 0 gives back, 255 gives fore. `result` takes back's size. Bitmaps that differ in
// size or are not 32-bit throw std::invalid_argument.
void AlphaBlend(const QImage& back, const QImage& fore, int weight, QImage& result);

} // namespace brelvane
