#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brelvane {

// A pixel is 0xAARRGGBB, not premultiplied: in memory on this little-endian
// platform the bytes are B, G, R, A, the layout of QImage::Format_ARGB32, so
// the render layer wraps Pixels without converting them.
constexpr std::uint32_t Argb(std::uint32_t alpha, std::uint32_t red, std::uint32_t green,
                             std::uint32_t blue) {
    return (alpha & 0xff) << 24 | (red & 0xff) << 16 | (green & 0xff) << 8 | (blue & 0xff);
}
constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return Argb(0xff, red, green, blue);
}
constexpr std::uint8_t AlphaOf(std::uint32_t pixel) {
    return pixel >> 24 & 0xff;
}
constexpr std::uint8_t RedOf(std::uint32_t pixel) {
    return pixel >> 16 & 0xff;
}
constexpr std::uint8_t GreenOf(std::uint32_t pixel) {
    return pixel >> 8 & 0xff;
}
constexpr std::uint8_t BlueOf(std::uint32_t pixel) {
    return pixel & 0xff;
}

// Decoded pixels: Width * Height values, rows from the top, no padding
// (bytes per line = 4 * Width).
struct TRasterImage {
    int Width = 0, Height = 0;
    std::vector<std::uint32_t> Pixels;

    // An image of the given size with every pixel `fill` (transparent black by default).
    static TRasterImage Filled(int width, int height, std::uint32_t fill = 0) {
        return {width, height,
                std::vector<std::uint32_t>(
                    static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)};
    }

    bool Empty() const { return Pixels.empty(); }
    std::uint32_t* Row(int y) { return Pixels.data() + Index(0, y); }
    const std::uint32_t* Row(int y) const { return Pixels.data() + Index(0, y); }
    std::uint32_t Pixel(int x, int y) const { return Pixels[Index(x, y)]; }
    void SetPixel(int x, int y, std::uint32_t pixel) { Pixels[Index(x, y)] = pixel; }
    // Whether some pixel is not fully opaque.
    bool HasTransparency() const {
        for (const auto pixel : Pixels)
            if (AlphaOf(pixel) != 0xff) return true;
        return false;
    }

    bool operator==(const TRasterImage&) const = default;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
               static_cast<std::size_t>(x);
    }
};

} // namespace brelvane
