#include "designer/XorDrawing.h"

namespace brelvane {

TXorCanvas::TXorCanvas(QImage& image) : image_(image) {
    if (image_.depth() != 32) image_.convertTo(QImage::Format_ARGB32_Premultiplied);
    bits_ = reinterpret_cast<QRgb*>(image_.bits());
    stride_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
}

void TXorCanvas::Invert(int x, int y, QRgb color) {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
    bits_[y * stride_ + x] ^= color & 0x00ffffffu;
}

void TXorCanvas::DottedOutline(const QRect& rect, QRgb color) {
    if (rect.isEmpty()) return;
    const int left = rect.left(), right = rect.right(), top = rect.top(), bottom = rect.bottom();
    // Each outline pixel once, clockwise, so the dots alternate all the way round.
    int index = 0;
    const auto dot = [&](int x, int y) {
        if (index++ % 2 == 0) Invert(x, y, color);
    };
    for (int x = left; x <= right; ++x)
        dot(x, top);
    for (int y = top + 1; y <= bottom; ++y)
        dot(right, y);
    if (bottom > top)
        for (int x = right - 1; x >= left; --x)
            dot(x, bottom);
    if (right > left)
        for (int y = bottom - 1; y > top; --y)
            dot(left, y);
}

void TXorCanvas::Fill(const QRect& rect, QRgb color) {
    const QRect clipped = rect.intersected(image_.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            bits_[y * stride_ + x] ^= color & 0x00ffffffu;
}

} // namespace brelvane
