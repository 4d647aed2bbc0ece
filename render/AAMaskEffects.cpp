#include "render/AAMaskEffects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace brelvane {

namespace {

// The mask's rows packed, as the operations that read an untouched copy need them.
std::vector<std::uint8_t>& CopyOf(const TAAMask& mask) {
    thread_local std::vector<std::uint8_t> copy;
    const auto width = static_cast<std::size_t>(mask.Width());
    copy.resize(width * static_cast<std::size_t>(mask.Height()));
    for (int y = 0; y < mask.Height(); ++y)
        std::memcpy(copy.data() + static_cast<std::size_t>(y) * width, mask.Line(y), width);
    return copy;
}

} // namespace

void OutlineMask(TAAMask& mask) {
    const int w = mask.Width();
    if (w < 3 || mask.Height() < 3) return;
    const auto& copy = CopyOf(mask);
    for (int y = 1; y + 1 < mask.Height(); ++y) {
        const std::uint8_t* c = copy.data() + static_cast<std::size_t>(y) * w;
        const std::uint8_t* a = c - w;
        const std::uint8_t* b = c + w;
        std::uint8_t* out = mask.Line(y);
        for (int x = 1; x + 1 < w; ++x) {
            const int s = std::abs(b[x + 1] - a[x - 1]) + std::abs(b[x] - a[x]) +
                          std::abs(c[x + 1] - c[x - 1]) + std::abs(b[x - 1] - a[x + 1]);
            out[x] = static_cast<std::uint8_t>(s < 1024 ? s / 4 : 255);
        }
    }
}

void SprayMask(TAAMask& mask, int radius, UniformRandom& random) {
    const int w = mask.Width(), h = mask.Height();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* out = mask.Line(y);
        for (int x = 0; x < w; ++x) {
            const int r = random.Below(radius + 1);
            const int dx = r - random.Below(2 * r);
            const int dy = r - random.Below(2 * r);
            out[x] = mask.Line(std::clamp(y + dy, 0, h - 1))[std::clamp(x + dx, 0, w - 1)];
        }
    }
}

void MirrorMaskHorz(TAAMask& mask) {
    for (int y = 0; y < mask.Height(); ++y)
        std::reverse(mask.Line(y), mask.Line(y) + mask.Width());
}

void MirrorMaskVert(TAAMask& mask) {
    for (int top = 0, bottom = mask.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(mask.Line(top), mask.Line(top) + mask.Width(), mask.Line(bottom));
}

void BlurMask(TAAMask& mask, int percent) {
    const int w = mask.Width(), h = mask.Height();
    if (w == 0 || h == 0) return;
    const int k = static_cast<int>(std::nearbyint(std::clamp(percent, 0, 100) * 255 / 100.0));
    // The 5 x 5 sum splits into sums of five along each row, then five of those down a column.
    thread_local std::vector<int> rowSums;
    thread_local std::vector<int> padded;
    rowSums.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    padded.resize(static_cast<std::size_t>(w) + 4);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = mask.Line(y);
        padded[0] = padded[1] = in[0];
        for (int x = 0; x < w; ++x)
            padded[static_cast<std::size_t>(x) + 2] = in[x];
        padded[static_cast<std::size_t>(w) + 2] = padded[static_cast<std::size_t>(w) + 3] =
            in[w - 1];
        int* sums = rowSums.data() + static_cast<std::size_t>(y) * w;
        int sum = padded[0] + padded[1] + padded[2] + padded[3] + padded[4];
        for (int x = 0; x < w; ++x) {
            sums[x] = sum;
            if (x + 1 < w) sum += padded[static_cast<std::size_t>(x) + 5] - padded[x];
        }
    }
    for (int y = 0; y < h; ++y) {
        const int* rows[5];
        for (int d = 0; d < 5; ++d)
            rows[d] =
                rowSums.data() + static_cast<std::size_t>(std::clamp(y + d - 2, 0, h - 1)) * w;
        std::uint8_t* out = mask.Line(y);
        for (int x = 0; x < w; ++x) {
            const int sum = rows[0][x] + rows[1][x] + rows[2][x] + rows[3][x] + rows[4][x];
            // A sum of 25 values never lies halfway, so adding 12 rounds to nearest.
            const int average = (sum + 12) / 25;
            const int value = out[x];
            out[x] = static_cast<std::uint8_t>(k == 255 ? average
                                                        : value + (((average - value) * k) >> 8));
        }
    }
}

} // namespace brelvane
