#pragma once

#include <QImage>
#include <QRect>

namespace brelvane {

// Marks drawn by inverting pixels (XOR with a colour, alpha kept), so that
// drawing the same mark again erases it. Rectangles are inclusive and clipped
// to the image, which must hold 32-bit pixels.
class TXorCanvas {
public:
    explicit TXorCanvas(QImage& image);

    // Every other pixel of the outline, starting at the top-left corner.
    void DottedOutline(const QRect& rect, QRgb color);
    void Fill(const QRect& rect, QRgb color);

private:
    void Invert(int x, int y, QRgb color);

    QImage& image_;
    QRgb* bits_ = nullptr;
    qsizetype stride_ = 0; // pixels per line
};

} // namespace brelvane
