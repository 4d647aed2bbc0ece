#include "DefaultIcon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace brelvane {

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64};
constexpr int kSamples = 4; // per axis, for smooth edges

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

// Colour of one point of the picture in a unit square centred on (0.5, 0.5).
Rgba Paint(double x, double y) {
    const double dx = x - 0.5, dy = y - 0.5;
    const double radius = std::hypot(dx, dy);
    Rgba colour;
    if (radius <= 0.47 && radius >= 0.075) {
        // Silver with a faint sheen that turns with the angle, as a disc shows.
        const double angle = std::atan2(dy, dx);
        const double sheen = 0.5 + 0.5 * std::cos(2 * angle);
        const double light = 0.72 + 0.2 * sheen - 0.25 * radius;
        colour = {light * 0.92, light * 0.95, std::min(1.0, light * 1.08), 1};
        if (radius > 0.445) colour = {0.35, 0.38, 0.45, 1}; // rim
        if (radius < 0.16) colour = {0.88, 0.9, 0.93, 1};   // clamping ring
    }
    // The play mark, lower right, over the disc.
    const double px = (x - 0.52) / 0.44, py = (y - 0.52) / 0.44;
    if (px >= 0 && px <= 1 && std::abs(py - 0.5) <= 0.5 * (1 - px) && py >= 0 && py <= 1)
        colour = {0.10, 0.36, 0.80, 1};
    return colour;
}

// Bottom-up BGRA rows, then the 1-bit mask (set where transparent).
std::vector<std::uint8_t> IconImage(int size) {
    std::vector<std::uint8_t> image(40, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&image[at], &v, 4); };
    const int maskStride = (size + 31) / 32 * 4;
    put32(0, 40);
    put32(4, static_cast<std::uint32_t>(size));
    put32(8, static_cast<std::uint32_t>(size * 2)); // colour rows and mask rows
    image[12] = 1;                                  // planes
    image[14] = 32;                                 // bits per pixel
    put32(20, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride * size), 0);
    for (int row = size - 1; row >= 0; --row) {
        for (int column = 0; column < size; ++column) {
            Rgba sum;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Rgba c = Paint((column + (sx + 0.5) / kSamples) / size,
                                         (row + (sy + 0.5) / kSamples) / size);
                    sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
                }
            const double alpha = sum.a / (kSamples * kSamples);
            const auto channel = [&](double premultiplied) {
                return static_cast<std::uint8_t>(
                    std::lround(alpha > 0 ? 255 * premultiplied / sum.a : 0));
            };
            image.push_back(channel(sum.b));
            image.push_back(channel(sum.g));
            image.push_back(channel(sum.r));
            image.push_back(static_cast<std::uint8_t>(std::lround(255 * alpha)));
            if (alpha == 0) {
                const int maskRow = size - 1 - row;
                mask[static_cast<std::size_t>(maskRow * maskStride + column / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (column % 8));
            }
        }
    }
    image.insert(image.end(), mask.begin(), mask.end());
    return image;
}

} // namespace

std::vector<std::uint8_t> DrawDefaultIcon() {
    std::vector<std::vector<std::uint8_t>> images;
    for (const int size : kSizes)
        images.push_back(IconImage(size));
    std::vector<std::uint8_t> file;
    const auto put16 = [&](std::uint16_t v) {
        file.push_back(static_cast<std::uint8_t>(v));
        file.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    const auto put32 = [&](std::uint32_t v) {
        put16(static_cast<std::uint16_t>(v));
        put16(static_cast<std::uint16_t>(v >> 16));
    };
    put16(0);
    put16(1);
    put16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(kSizes[i]));
        file.push_back(static_cast<std::uint8_t>(kSizes[i]));
        file.push_back(0); // no palette
        file.push_back(0);
        put16(1);
        put16(32);
        put32(static_cast<std::uint32_t>(images[i].size()));
        put32(offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());
    return file;
}

} // namespace brelvane
