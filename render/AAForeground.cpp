#include "render/AAForeground.h"

#include "render/PictureImage.h"
#include "render/PictureModes.h"
#include "render/SystemColors.h"

#include <algorithm>
#include <vector>

namespace brelvane {

namespace {

bool Horizontal(int style) {
    return style == gsLeftToRight || style == gsRightToLeft || style == gsCenterToLR;
}

bool Centred(int style) {
    return style == gsCenterToLR || style == gsCenterToTB;
}

// Step `i` of `steps` from p to q per channel, truncating toward zero.
QRgb RampStep(const QColor& p, const QColor& q, int i, int steps) {
    const auto channel = [i, steps](int from, int to) { return from + i * (to - from) / steps; };
    return qRgb(channel(p.red(), q.red()), channel(p.green(), q.green()),
                channel(p.blue(), q.blue()));
}

std::vector<QRgb> Ramp(const TAAGradual& gradual, int length) {
    const int style = gradual.Style;
    const bool startFirst = style == gsLeftToRight || style == gsTopToBottom;
    const QColor p = ResolveColor(startFirst ? gradual.StartColor : gradual.EndColor);
    const QColor q = ResolveColor(startFirst ? gradual.EndColor : gradual.StartColor);
    const int steps = Centred(style) ? (length + 1) / 2 : length;
    // A centre ramp ends on its second colour, so the middle shows StartColor itself rather
    // than the step before it.
    const int divisor = Centred(style) ? steps - 1 : steps;
    std::vector<QRgb> ramp(static_cast<std::size_t>(length));
    for (int i = 0; i < steps; ++i) {
        const QRgb step = divisor == 0 ? q.rgb() : RampStep(p, q, i, divisor);
        ramp[static_cast<std::size_t>(i)] = step;
        if (Centred(style)) ramp[static_cast<std::size_t>(length - 1 - i)] = step;
    }
    return ramp;
}

} // namespace

void FillGradient(QImage& foreground, const TAAGradual& gradual) {
    const bool horizontal = Horizontal(gradual.Style);
    const auto ramp = Ramp(gradual, horizontal ? foreground.width() : foreground.height());
    for (int y = 0; y < foreground.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(foreground.scanLine(y));
        if (horizontal)
            std::copy(ramp.begin(), ramp.end(), row);
        else
            std::fill(row, row + foreground.width(), ramp[static_cast<std::size_t>(y)]);
    }
}

bool FillTexture(QImage& foreground, const TAATexture& texture, const QColor& fontColor) {
    const auto picture = PictureImageOf(texture.Picture);
    const QImage image = DrawnFrame(*picture, 0, false);
    if (image.isNull()) return false;
    foreground.fill(fontColor);
    DrawPictureInMode(foreground, image, texture.Mode);
    return true;
}

void AddNoise(QImage& foreground, int n, UniformRandom& random) {
    for (int y = 0; y < foreground.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(foreground.scanLine(y));
        for (int x = 0; x < foreground.width(); ++x) {
            QRgb noisy = 0xFF000000u;
            for (int shift = 0; shift <= 16; shift += 8) {
                const int value =
                    static_cast<int>((row[x] >> shift) & 0xFF) + random.Below(n) - n / 2;
                noisy |= static_cast<QRgb>(std::clamp(value, 0, 255)) << shift;
            }
            row[x] = noisy;
        }
    }
}

} // namespace brelvane
