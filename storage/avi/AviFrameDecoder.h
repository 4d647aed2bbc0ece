#pragma once

#include "storage/avi/AviClip.h"

#include <cstdint>
#include <span>
#include <vector>

namespace brelvane {

// Draws a clip's frames, one after the other, onto one picture: RLE frames
// that skip pixels keep what the earlier frames drew there.
class TAviFrameDecoder {
public:
    // The picture starts black.
    explicit TAviFrameDecoder(const TAviClip& clip);

    // Draws one frame's data. Damaged data draws what it can and gives
    // false; empty data (a dropped frame) leaves the picture as it is.
    bool Decode(std::span<const std::uint8_t> data);

    // Width × Height pixels 0xffRRGGBB, top row first.
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }

private:
    bool DecodeRgb(std::span<const std::uint8_t> data);
    template <int Bits> bool DecodeRle(std::span<const std::uint8_t> data);
    // The picture row of bitmap row `row` (counted as stored).
    std::uint32_t* Row(std::int32_t row);

    std::int32_t width_;
    std::int32_t height_;
    bool topDown_;
    std::uint16_t bitCount_;
    std::uint32_t compression_;
    // Always 256 entries, so that any index byte looks up safely.
    std::vector<std::uint32_t> palette_;
    std::vector<std::uint32_t> pixels_;
};

} // namespace brelvane
