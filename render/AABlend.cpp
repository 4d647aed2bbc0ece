#include "render/AABlend.h"

#include <algorithm>
#include <stdexcept>

namespace brelvane {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;

inline QRgb Mix(QRgb d, QRgb s, int t) {
    QRgb out = kOpaque;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int dc = static_cast<int>((d >> shift) & 0xFF);
        const int sc = static_cast<int>((s >> shift) & 0xFF);
        out |= static_cast<QRgb>(dc + (((sc - dc) * t) >> 8)) << shift;
    }
    return out;
}

// The colour of mask pixel (i, j) is the foreground's, or `color` without a foreground.
void Compose(const TAABlendTarget& target, int x, int y, const TAAMask& mask, int alpha,
             const QImage* foreground, QRgb color) {
    if (target.Canvas == nullptr || target.Canvas->isNull()) return;
    QImage& canvas = *target.Canvas;
    if (canvas.depth() != 32) canvas.convertTo(QImage::Format_RGB32);
    const bool fill = target.Brush.style() != Qt::NoBrush;
    const QRgb background = target.Brush.color().rgb() | kOpaque;
    const int scale = std::clamp(alpha, 0, 100) * 256 / 100;
    const int left = std::max(0, -x), right = std::min(mask.Width(), canvas.width() - x);
    const int top = std::max(0, -y), bottom = std::min(mask.Height(), canvas.height() - y);
    for (int j = top; j < bottom; ++j) {
        const std::uint8_t* coverage = mask.Line(j);
        auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y + j)) + x;
        const auto* colors =
            foreground ? reinterpret_cast<const QRgb*>(foreground->constScanLine(j)) : nullptr;
        for (int i = left; i < right; ++i) {
            QRgb pixel = fill ? background : row[i];
            const int w = coverage[i] * scale;
            if (w >= 256) {
                const QRgb s = colors ? colors[i] : color;
                pixel = (w & 0xFFFF) >= 65280 ? s | kOpaque : Mix(pixel, s, (w >> 8) & 255);
            }
            row[i] = pixel;
        }
    }
}

} // namespace

QImage TAABlend::Foreground(int width, int height) {
    if (width <= 0 || height <= 0) return QImage();
    if (foreground_.width() < width || foreground_.height() < height)
        foreground_ = QImage(std::max(width, foreground_.width()),
                             std::max(height, foreground_.height()), QImage::Format_RGB32);
    return QImage(foreground_.bits(), width, height, foreground_.bytesPerLine(),
                  QImage::Format_RGB32);
}

void TAABlend::Blend(const TAABlendTarget& target, int x, int y, const TAAMask& mask, int alpha,
                     const QColor& color) {
    Compose(target, x, y, mask, alpha, nullptr, color.rgb());
}

void TAABlend::Blend(const TAABlendTarget& target, int x, int y, const TAAMask& mask, int alpha,
                     const QImage& foreground) {
    if (foreground.format() != QImage::Format_RGB32 || foreground.width() != mask.Width() ||
        foreground.height() != mask.Height())
        throw std::invalid_argument("Invalid foreground bitmap!");
    Compose(target, x, y, mask, alpha, &foreground, 0);
}

} // namespace brelvane
