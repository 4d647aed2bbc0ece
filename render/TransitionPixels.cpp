#include "render/TransitionPixels.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace brelvane {

void Fade(TransitionFrame& f) {
    const Pixel oldWeight = static_cast<Pixel>(100 - f.P);
    const Pixel newWeight = static_cast<Pixel>(f.P);
    const auto blend = [&](Pixel o, Pixel n, int shift) {
        const Pixel mixed =
            (oldWeight * ((o >> shift) & 0xFFu) + newWeight * ((n >> shift) & 0xFFu));
        return (mixed / 100u) << shift;
    };
    for (int y = 0; y < f.H; ++y) {
        Pixel* out = PixelRow(f.frame, y);
        const Pixel* in = PixelRow(f.picture, y);
        for (int x = 0; x < f.W; ++x) {
            const Pixel o = out[x];
            const Pixel n = in[x];
            out[x] = (o & 0xFF000000u) | blend(o, n, 16) | blend(o, n, 8) | blend(o, n, 0);
        }
    }
}

void DrawPivot(TransitionFrame& f, Corner corner) {
    // The pivot lies one pixel outside the picture; at progress 0 the turn is a quarter.
    const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
    const bool top = corner == Corner::TopLeft || corner == Corner::TopRight;
    const std::int64_t px = left ? -1 : f.W;
    const std::int64_t py = top ? -1 : f.H;
    const bool turnsForward = corner == Corner::TopLeft || corner == Corner::BottomRight;
    const double angle = (turnsForward ? 100 - f.P : f.P - 100) * std::numbers::pi / 200;
    const std::int64_t s = std::llround(std::sin(-angle) * 65536);
    const std::int64_t c = std::llround(std::cos(-angle) * 65536);
    constexpr std::int64_t roundHalf = 1 << 15;
    const uchar* source = f.picture.constBits();
    const qsizetype stride = f.picture.bytesPerLine();
    for (int y = 0; y < f.H; ++y) {
        Pixel* out = PixelRow(f.frame, y);
        const std::int64_t dy = y - py;
        // Source position of x = 0 in 16.16, stepped by (c, s) along the row.
        std::int64_t sx = (px << 16) + c * (0 - px) - s * dy + roundHalf;
        std::int64_t sy = (py << 16) + s * (0 - px) + c * dy + roundHalf;
        for (int x = 0; x < f.W; ++x, sx += c, sy += s) {
            const std::int64_t u = sx >> 16;
            const std::int64_t v = sy >> 16;
            if (u >= 0 && u < f.W && v >= 0 && v < f.H)
                out[x] = reinterpret_cast<const Pixel*>(source + v * stride)[u];
        }
    }
}

} // namespace brelvane
