#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>

namespace brelvane {

// Multiplies to 64 bits and divides rounding halves away from zero.
int MulDiv(int a, int b, int c);

// Halves truncating toward zero, the rounding every style's geometry is built on.
constexpr int Half(int v) {
    return v / 2;
}

using Pixel = std::uint32_t;

// The rows of a 32-bit image, taken once so that per-row and per-box work stays cheap.
struct PixelRows {
    uchar* bits = nullptr;
    qsizetype stride = 0;
    Pixel* Row(int y) const { return reinterpret_cast<Pixel*>(bits + y * stride); }
};

struct ConstPixelRows {
    const uchar* bits = nullptr;
    qsizetype stride = 0;
    const Pixel* Row(int y) const { return reinterpret_cast<const Pixel*>(bits + y * stride); }
};

ConstPixelRows RowsOf(const QImage& image);

enum class Axis { Horizontal, Vertical };

// A half-open pixel range [from, to) along one axis.
struct Interval {
    int from = 0;
    int to = 0;
};

// A rectangle as (left, top, right, bottom), right and bottom exclusive.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Lays an interval along an axis and one across it into a box.
Box AxisBox(Axis along, Interval alongRange, Interval acrossRange);

// One frame of a transition: the bitmaps and the geometry every style shares.
struct TransitionFrame {
    TransitionFrame(QImage& frameImage, const QImage& pictureImage, const QRect& rect,
                    int stepValue, int progressValue);

    // False when the bitmaps cannot take a frame: empty, not 32 bits per pixel or
    // smaller than the rectangle.
    bool Drawable() const;

    int Length(Axis axis) const { return axis == Axis::Horizontal ? W : H; }
    int Reach(Axis axis) const { return axis == Axis::Horizontal ? X : Y; }
    // Styles that divide by the step span use at least one pixel.
    int SpanDivisor() const { return S > 1 ? S : 1; }
    // The grid size of the shred and square styles: half the step span, at least 1.
    int GridCells() const;

    QImage& frame;
    const QImage& picture;
    PixelRows out;     // the frame's rows, detached from any shared copy
    ConstPixelRows in; // the new picture's rows
    int W = 0;
    int H = 0;
    int P = 0;
    int step = 0;
    int X = 0;
    int Y = 0;
    int S = 0;
};

} // namespace brelvane
