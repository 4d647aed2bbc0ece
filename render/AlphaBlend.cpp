#include "render/AlphaBlend.h"

#include <stdexcept>

namespace brelvane {

void AlphaBlend(const QImage& back, const QImage& fore, int weight, QImage& result) {
    if (back.size() != fore.size() || back.depth() != 32 || fore.depth() != 32)
        throw std::invalid_argument("AlphaBlend needs two 32-bit bitmaps of one size");
    if (weight <= 0 || weight >= 255) {
        result = (weight <= 0 ? back : fore).convertToFormat(QImage::Format_RGB32);
        return;
    }
    if (result.size() != back.size() || result.format() != QImage::Format_RGB32)
        result = QImage(back.size(), QImage::Format_RGB32);
    for (int y = 0; y < back.height(); ++y) {
        const auto* b = reinterpret_cast<const QRgb*>(back.constScanLine(y));
        const auto* f = reinterpret_cast<const QRgb*>(fore.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < back.width(); ++x) {
            QRgb mixed = 0xFF000000u;
            for (int shift = 0; shift <= 16; shift += 8) {
                const int bc = static_cast<int>((b[x] >> shift) & 0xFF);
                const int fc = static_cast<int>((f[x] >> shift) & 0xFF);
                mixed |= static_cast<QRgb>(bc + (fc - bc) * weight / 256) << shift;
            }
            out[x] = mixed;
        }
    }
}

} // namespace brelvane
