#include "render/TransitionPixels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace brelvane {
namespace {

// Square tiles keep the turned source rows of neighbouring pixels in the cache.
constexpr int kTile = 64;

// One channel of ((100 - P) old + P new) div 100. The sum is an exact integer in floating
// point and adding a half keeps the product with 0.01 clear of every integer, so the
// truncation equals the integer division; the loop vectorises in this form.
float Blend(Pixel o, Pixel n, int shift, float oldWeight, float newWeight) {
    return (oldWeight * static_cast<float>(static_cast<int>((o >> shift) & 0xFFu)) +
            newWeight * static_cast<float>(static_cast<int>((n >> shift) & 0xFFu)) + 0.5f) *
           0.01f;
}

// The source of a frame pixel: the pivot plus its offset turned by (c, s) in 16.16.
struct Turn {
    std::int64_t px, py, c, s;

    std::int64_t SourceX(std::int64_t x, std::int64_t y) const {
        return (px << 16) + c * (x - px) - s * (y - py) + (1 << 15);
    }
    std::int64_t SourceY(std::int64_t x, std::int64_t y) const {
        return (py << 16) + s * (x - px) + c * (y - py) + (1 << 15);
    }
};

// The columns [from, to) of row y whose source falls inside the picture. Along a row both
// source coordinates move monotonically, so they form one run; it is found from a real-valued
// estimate and then settled pixel by pixel.
std::pair<int, int> InsideRun(const Turn& t, int y, int from, int to, int W, int H) {
    const auto inside = [&](int x) {
        const std::int64_t u = t.SourceX(x, y) >> 16;
        const std::int64_t v = t.SourceY(x, y) >> 16;
        return u >= 0 && u < W && v >= 0 && v < H;
    };
    double low = from;
    double high = to;
    const auto limit = [&](std::int64_t start, std::int64_t rate, std::int64_t size) {
        // start + rate * (x - from) within [0, size * 65536)
        if (rate == 0) {
            if (start < 0 || start >= size << 16) high = low;
            return;
        }
        const double a = (0.0 - static_cast<double>(start)) / static_cast<double>(rate);
        const double b = (static_cast<double>(size << 16) - static_cast<double>(start)) /
                         static_cast<double>(rate);
        low = std::max(low, from + std::min(a, b));
        high = std::min(high, from + std::max(a, b));
    };
    limit(t.SourceX(from, y), t.c, W);
    limit(t.SourceY(from, y), t.s, H);
    int first = std::clamp(static_cast<int>(std::floor(low)), from, to);
    int last = std::clamp(static_cast<int>(std::ceil(high)), first, to);
    while (first < last && !inside(first))
        ++first;
    while (first > from && inside(first - 1))
        --first;
    while (last > first && !inside(last - 1))
        --last;
    while (last < to && inside(last))
        ++last;
    return {first, last};
}

} // namespace

// Built also for AVX2, chosen at load time where the processor has it: the blend is
// arithmetic-bound and the wider vectors halve it. Windows programs have no such
// load-time choice (ifunc), so they get the one plain build.
#if defined(__ELF__)
#define BRELVANE_AVX2_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define BRELVANE_AVX2_CLONES
#endif
BRELVANE_AVX2_CLONES void Fade(TransitionFrame& f) {
    const float oldWeight = static_cast<float>(100 - f.P);
    const float newWeight = static_cast<float>(f.P);
    const int W = f.W;
    for (int y = 0; y < f.H; ++y) {
        Pixel* out = f.out.Row(y);
        const Pixel* in = f.in.Row(y);
        for (int x = 0; x < W; ++x) {
            const Pixel o = out[x];
            const Pixel n = in[x];
            const auto red =
                static_cast<Pixel>(static_cast<int>(Blend(o, n, 16, oldWeight, newWeight)));
            const auto green =
                static_cast<Pixel>(static_cast<int>(Blend(o, n, 8, oldWeight, newWeight)));
            const auto blue =
                static_cast<Pixel>(static_cast<int>(Blend(o, n, 0, oldWeight, newWeight)));
            out[x] = (o & 0xFF000000u) | (red << 16) | (green << 8) | blue;
        }
    }
}

void DrawPivot(TransitionFrame& f, Corner corner) {
    // The pivot lies one pixel outside the picture; at progress 0 the turn is a quarter.
    const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
    const bool top = corner == Corner::TopLeft || corner == Corner::TopRight;
    const bool turnsForward = corner == Corner::TopLeft || corner == Corner::BottomRight;
    const double angle = (turnsForward ? 100 - f.P : f.P - 100) * std::numbers::pi / 200;
    const Turn turn{left ? -1 : f.W, top ? -1 : f.H, std::llround(std::cos(-angle) * 65536),
                    std::llround(std::sin(-angle) * 65536)};
    for (int tileY = 0; tileY < f.H; tileY += kTile) {
        for (int tileX = 0; tileX < f.W; tileX += kTile) {
            const int endX = std::min(tileX + kTile, f.W);
            for (int y = tileY; y < std::min(tileY + kTile, f.H); ++y) {
                const auto [first, last] = InsideRun(turn, y, tileX, endX, f.W, f.H);
                Pixel* out = f.out.Row(y);
                std::int64_t sx = turn.SourceX(first, y);
                std::int64_t sy = turn.SourceY(first, y);
                const uchar* source = f.in.bits;
                const qsizetype stride = f.in.stride;
                for (int x = first; x < last; ++x, sx += turn.c, sy += turn.s) {
                    const auto row = static_cast<qsizetype>(sy >> 16) * stride;
                    out[x] = reinterpret_cast<const Pixel*>(source + row)[sx >> 16];
                }
            }
        }
    }
}

} // namespace brelvane
