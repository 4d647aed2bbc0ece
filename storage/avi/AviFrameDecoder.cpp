#include "storage/avi/AviFrameDecoder.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brelvane {

namespace {
constexpr std::uint32_t kBlack = 0xff000000u;

std::size_t Stride(std::int32_t width, std::uint16_t bitCount) {
    return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
}

#if defined(__SSE2__)
// Four pixels from the first twelve of sixteen loaded bytes: each pixel's three bytes are shifted
// down to the start of a lane, the lanes gathered and the fourth byte set opaque.
inline __m128i Four24(const std::uint8_t* in) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i p01 = _mm_unpacklo_epi32(v, _mm_srli_si128(v, 3));
    const __m128i p23 = _mm_unpacklo_epi32(_mm_srli_si128(v, 6), _mm_srli_si128(v, 9));
    return _mm_or_si128(_mm_unpacklo_epi64(p01, p23), _mm_set1_epi32(static_cast<int>(kBlack)));
}
#endif

void Row24(const std::uint8_t* in, std::uint32_t* out, std::int32_t width) {
    std::int32_t x = 0;
#if defined(__SSE2__)
    // Each load reads sixteen bytes for twelve, so the last pixels of the row go one by one.
    for (; x + 6 <= width; x += 4, in += 12)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), Four24(in));
#endif
    for (; x < width; ++x, in += 3)
        out[x] = kBlack | std::uint32_t{in[2]} << 16 | std::uint32_t{in[1]} << 8 | in[0];
}

void Row32(const std::uint8_t* in, std::uint32_t* out, std::int32_t width) {
    std::memcpy(out, in, static_cast<std::size_t>(width) * 4);
    for (std::int32_t x = 0; x < width; ++x)
        out[x] |= kBlack;
}

// 5 bits each of red, green and blue, widened so that 31 becomes 255.
void Row16(const std::uint8_t* in, std::uint32_t* out, std::int32_t width) {
    for (std::int32_t x = 0; x < width; ++x, in += 2) {
        const std::uint32_t v = in[0] | std::uint32_t{in[1]} << 8;
        const std::uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        out[x] = kBlack | ((r << 3) | (r >> 2)) << 16 | ((g << 3) | (g >> 2)) << 8 |
                 ((b << 3) | (b >> 2));
    }
}

void Row8(const std::uint8_t* in, std::uint32_t* out, std::int32_t width,
          const std::uint32_t* palette) {
    for (std::int32_t x = 0; x < width; ++x)
        out[x] = palette[in[x]];
}
} // namespace

TAviFrameDecoder::TAviFrameDecoder(const TAviClip& clip)
    : width_(clip.Width), height_(clip.Height), topDown_(clip.TopDown), bitCount_(clip.BitCount),
      compression_(clip.Compression), palette_(256, kBlack),
      pixels_(static_cast<std::size_t>(clip.Width) * static_cast<std::size_t>(clip.Height),
              kBlack) {
    std::copy_n(clip.Palette.begin(), std::min<std::size_t>(clip.Palette.size(), 256),
                palette_.begin());
}

std::uint32_t* TAviFrameDecoder::Row(std::int32_t row) {
    const std::int32_t top = topDown_ ? row : height_ - 1 - row;
    return pixels_.data() + static_cast<std::size_t>(top) * static_cast<std::size_t>(width_);
}

bool TAviFrameDecoder::Decode(std::span<const std::uint8_t> data) {
    if (data.empty()) return true;
    switch (compression_) {
    case acRle8:
        return DecodeRle<8>(data);
    case acRle4:
        return DecodeRle<4>(data);
    default:
        return DecodeRgb(data);
    }
}

bool TAviFrameDecoder::DecodeRgb(std::span<const std::uint8_t> data) {
    const std::size_t stride = Stride(width_, bitCount_);
    // A short frame draws the rows it holds.
    const auto rows = static_cast<std::int32_t>(
        std::min<std::size_t>(data.size() / stride, static_cast<std::size_t>(height_)));
    for (std::int32_t row = 0; row < rows; ++row) {
        const std::uint8_t* in = data.data() + static_cast<std::size_t>(row) * stride;
        std::uint32_t* out = Row(row);
        switch (bitCount_) {
        case 8:
            Row8(in, out, width_, palette_.data());
            break;
        case 16:
            Row16(in, out, width_);
            break;
        case 24:
            Row24(in, out, width_);
            break;
        default:
            Row32(in, out, width_);
            break;
        }
    }
    return rows == height_;
}

// Encoded runs (count, colour), and after a zero byte: 0 end of line, 1 end
// of picture, 2 a move right and up by the next two bytes (the pixels passed
// over keep the earlier frame), else that many literal pixels, padded to a
// word. RLE4 holds two alternating colours in each byte.
template <int Bits> bool TAviFrameDecoder::DecodeRle(std::span<const std::uint8_t> data) {
    const std::uint8_t* in = data.data();
    const std::uint8_t* end = in + data.size();
    std::int32_t x = 0, y = 0;
    // Positions stop at the picture's edge, so no run of damage can carry them further.
    const auto put = [&](std::uint8_t index) {
        if (x >= width_) return;
        Row(y)[x] = palette_[index];
        ++x;
    };
    const auto nibbleOrByte = [](std::uint8_t value, std::int32_t i) -> std::uint8_t {
        if constexpr (Bits == 8)
            return value;
        else
            return (i & 1) ? (value & 0x0f) : (value >> 4);
    };
    while (end - in >= 2) {
        const std::uint8_t count = in[0];
        const std::uint8_t value = in[1];
        in += 2;
        if (count > 0) {
            if (y >= height_) return false;
            if constexpr (Bits == 8) {
                // The common long run, written straight into the row.
                if (x + count <= width_) {
                    std::fill_n(Row(y) + x, count, palette_[value]);
                    x += count;
                    continue;
                }
            }
            for (std::int32_t i = 0; i < count; ++i)
                put(nibbleOrByte(value, i));
            continue;
        }
        switch (value) {
        case 0:
            x = 0;
            y = std::min(y + 1, height_);
            break;
        case 1:
            return true;
        case 2:
            if (end - in < 2) return false;
            x = std::min(x + in[0], width_);
            y = std::min(y + in[1], height_);
            in += 2;
            break;
        default: {
            const std::size_t bytes = Bits == 8 ? value : (static_cast<std::size_t>(value) + 1) / 2;
            const std::size_t padded = (bytes + 1) & ~std::size_t{1};
            if (static_cast<std::size_t>(end - in) < bytes || y >= height_) return false;
            if constexpr (Bits == 8) {
                // Pixels past the picture's edge are dropped, as put() drops them.
                const std::int32_t shown = std::min<std::int32_t>(value, width_ - x);
                Row8(in, Row(y) + x, shown, palette_.data());
                x += shown;
            } else {
                for (std::int32_t i = 0; i < value; ++i)
                    put(nibbleOrByte(in[i / 2], i));
            }
            in += std::min<std::size_t>(padded, static_cast<std::size_t>(end - in));
            break;
        }
        }
    }
    // Data that ends without its end-of-picture mark has drawn what it held.
    return true;
}

template bool TAviFrameDecoder::DecodeRle<8>(std::span<const std::uint8_t>);
template bool TAviFrameDecoder::DecodeRle<4>(std::span<const std::uint8_t>);

} // namespace brelvane
