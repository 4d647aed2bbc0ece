#pragma once

#include "render/TransitionStyles.h"

#include <QImage>

namespace brelvane::test {

constexpr QRgb kOld = 0xFF102030;
constexpr QRgb kNew = 0xFFE0D0C0;

QImage Uniform(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB32);

// Every pixel tells where it came from: x in the low 11 bits, y in the next 11, and one bit
// that marks the old image.
QImage Coordinates(int width, int height, bool old = false);
int SourceX(QRgb pixel);
int SourceY(QRgb pixel);
bool FromOld(QRgb pixel);

// Draws style `number` (1..150) on a copy of `old` and returns the frame.
QImage Draw(int number, const QImage& old, const QImage& picture, int step, int progress);

// Cells of distinct colours, so that a zoomed or moved copy differs from the picture in place.
QImage Cells(int width, int height, int cellWidth, int cellHeight);

// Share of frame pixels that match the picture in place, within the rounding of a blend.
double ShareOf(const QImage& picture, const QImage& frame);

} // namespace brelvane::test
