#include "render/TransitionFrame.h"

#include <algorithm>
#include <cstdint>

namespace brelvane {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -quotient : quotient);
}

ConstPixelRows RowsOf(const QImage& image) {
    return {image.constBits(), image.bytesPerLine()};
}

Box AxisBox(Axis along, Interval alongRange, Interval acrossRange) {
    if (along == Axis::Horizontal)
        return {alongRange.from, acrossRange.from, alongRange.to, acrossRange.to};
    return {acrossRange.from, alongRange.from, acrossRange.to, alongRange.to};
}

TransitionFrame::TransitionFrame(QImage& frameImage, const QImage& pictureImage, const QRect& rect,
                                 int stepValue, int progressValue)
    : frame(frameImage), picture(pictureImage), W(rect.width()), H(rect.height()),
      P(std::clamp(progressValue, 0, 100)), step(std::clamp(stepValue, 1, 100)) {
    if (!Drawable()) return;
    if (W >= H) {
        X = MulDiv(W, P, 100);
        Y = MulDiv(X, H, W);
    } else {
        Y = MulDiv(H, P, 100);
        X = MulDiv(Y, W, H);
    }
    S = MulDiv(std::max(W, H), step, 90);
    out = {frame.bits(), frame.bytesPerLine()};
    in = RowsOf(picture);
}

bool TransitionFrame::Drawable() const {
    const auto fits = [this](const QImage& image) {
        return image.depth() == 32 && image.width() >= W && image.height() >= H;
    };
    return W > 0 && H > 0 && fits(frame) && fits(picture);
}

int TransitionFrame::GridCells() const {
    return S > 1 ? Half(S) : 1;
}

} // namespace brelvane
