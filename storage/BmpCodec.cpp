#include "storage/BmpCodec.h"

#include <algorithm>
#include <array>
#include <bit>

namespace brelvane {

namespace {

enum : std::uint32_t {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiAlphaBitfields = 6,
};

constexpr std::uint32_t kBlack = Rgb(0, 0, 0);

// One channel of a 16- or 32-bit pixel, scaled to 0..255.
class ChannelMask {
public:
    explicit ChannelMask(std::uint32_t mask) : mask_(mask) {
        if (mask == 0) return;
        shift_ = std::countr_zero(mask);
        bits_ = std::bit_width(mask >> shift_);
        max_ = static_cast<std::uint32_t>((std::uint64_t{1} << bits_) - 1);
    }

    std::uint32_t Extract(std::uint32_t pixel) const {
        if (mask_ == 0) return 0;
        const std::uint32_t value = (pixel & mask_) >> shift_;
        if (bits_ >= 8) return value >> (bits_ - 8);
        return (value * 255 + max_ / 2) / max_;
    }

private:
    std::uint32_t mask_;
    int shift_ = 0;
    int bits_ = 0;
    std::uint32_t max_ = 0;
};

struct DibLayout {
    std::uint32_t Width = 0, Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    std::uint32_t Compression = kBiRgb;
    // Red, green, blue and alpha masks of 16- and 32-bit pixels.
    std::array<std::uint32_t, 4> Masks{};
    bool HasAlphaMask = false;
    // Always 256 entries: indices past the stored table are black.
    std::vector<std::uint32_t> Palette;
    // Offset just past the header, its masks and the colour table.
    std::uint64_t HeaderEnd = 0;
};

struct DecodedDib {
    TRasterImage Image;
    // The alpha channel of the pixels was used (some pixel had a non-zero alpha).
    bool AlphaUsed = false;
};

bool ValidDepth(int bitCount, std::uint32_t compression) {
    switch (compression) {
    case kBiRgb:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
               bitCount == 24 || bitCount == 32;
    case kBiRle8:
        return bitCount == 8;
    case kBiRle4:
        return bitCount == 4;
    case kBiBitfields:
    case kBiAlphaBitfields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

// The info header at the start of `dib`, with its masks and colour table.
DibLayout ReadDibLayout(const TPictureBytes& dib) {
    const auto format = dib.Format();
    DibLayout layout;
    const std::uint32_t headerSize = dib.U32(0);
    std::uint32_t colorsUsed = 0;
    std::uint64_t paletteStart = headerSize;
    int paletteEntrySize = 4;
    if (headerSize == 12) {
        // BITMAPCOREHEADER: unsigned 16-bit dimensions, always bottom-up.
        layout.Width = dib.U16(4);
        layout.Height = dib.U16(6);
        layout.BitCount = dib.U16(10);
        paletteEntrySize = 3;
        if (layout.BitCount > 8 && layout.BitCount != 24)
            FailDecode(format, "unsupported bits per pixel");
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 ||
               headerSize == 108 || headerSize == 124) {
        if (!dib.Has(0, headerSize)) FailDecode(format, "data cut off");
        const std::int32_t width = dib.I32(4);
        const std::int32_t height = dib.I32(8);
        if (width <= 0) FailDecode(format, "image without pixels");
        if (height == 0 || height == INT32_MIN) FailDecode(format, "image without pixels");
        layout.Width = static_cast<std::uint32_t>(width);
        layout.TopDown = height < 0;
        layout.Height = layout.TopDown ? static_cast<std::uint32_t>(-height)
                                       : static_cast<std::uint32_t>(height);
        layout.BitCount = dib.U16(14);
        layout.Compression = dib.U32(16);
        colorsUsed = dib.U32(32);
        // The OS/2 2.x header of 64 bytes gives 3 and 4 other meanings (Huffman, RLE24).
        if (headerSize == 64 && layout.Compression != kBiRgb && layout.Compression != kBiRle8 &&
            layout.Compression != kBiRle4)
            FailDecode(format, "unsupported compression");
        if (layout.Compression == kBiBitfields || layout.Compression == kBiAlphaBitfields) {
            // The masks lie at the same place whether they belong to a longer
            // header or follow a 40-byte one.
            layout.HasAlphaMask = headerSize >= 56 || layout.Compression == kBiAlphaBitfields;
            const int maskCount = layout.HasAlphaMask ? 4 : 3;
            for (int i = 0; i < maskCount; ++i)
                layout.Masks[static_cast<std::size_t>(i)] = dib.U32(40 + 4 * i);
            paletteStart = std::max<std::uint64_t>(headerSize, 40 + 4 * maskCount);
        }
    } else {
        FailDecode(format, "unsupported bitmap header");
    }
    if (!ValidDepth(layout.BitCount, layout.Compression)) {
        const bool knownCompression =
            layout.Compression <= kBiBitfields || layout.Compression == kBiAlphaBitfields;
        FailDecode(format,
                   knownCompression ? "unsupported bits per pixel" : "unsupported compression");
    }

    std::uint64_t paletteCount = colorsUsed;
    if (layout.BitCount <= 8) {
        const std::uint32_t full = 1u << layout.BitCount;
        paletteCount = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
        const auto table = dib.Sub(paletteStart, paletteCount * paletteEntrySize);
        layout.Palette.assign(256, kBlack);
        for (std::size_t i = 0; i < paletteCount; ++i) {
            const auto* entry = table.data() + i * static_cast<std::size_t>(paletteEntrySize);
            layout.Palette[i] = Rgb(entry[2], entry[1], entry[0]);
        }
    }
    // Deeper images may carry a colour table for palette devices; it is skipped.
    layout.HeaderEnd = paletteStart + paletteCount * static_cast<std::uint64_t>(paletteEntrySize);

    if (layout.BitCount == 16 && layout.Compression == kBiRgb)
        layout.Masks = {0x7c00, 0x03e0, 0x001f, 0};
    if (layout.BitCount == 32 && layout.Compression == kBiRgb) {
        layout.Masks = {0xff0000, 0x00ff00, 0x0000ff, 0xff000000};
        layout.HasAlphaMask = true;
    }
    return layout;
}

std::uint64_t RowStride(std::uint64_t width, int bitCount) {
    return (width * static_cast<std::uint64_t>(bitCount) + 31) / 32 * 4;
}

DecodedDib DecodeUncompressed(const DibLayout& layout, const TPictureBytes& pixels,
                              std::uint64_t pixelLimit) {
    const auto format = pixels.Format();
    CheckPictureSize(format, layout.Width, layout.Height, pixelLimit);
    const std::uint64_t stride = RowStride(layout.Width, layout.BitCount);
    if (!pixels.Has(0, stride * layout.Height)) FailDecode(format, "pixel data cut off");
    const auto data = pixels.Sub(0, stride * layout.Height);

    const int width = static_cast<int>(layout.Width);
    const int height = static_cast<int>(layout.Height);
    DecodedDib result{TRasterImage::Filled(width, height), false};
    const ChannelMask red(layout.Masks[0]), green(layout.Masks[1]), blue(layout.Masks[2]),
        alpha(layout.Masks[3]);
    const auto masked = [&](std::uint32_t value) {
        const std::uint32_t a = layout.HasAlphaMask ? alpha.Extract(value) : 0xff;
        if (a != 0) result.AlphaUsed = true;
        return Argb(a, red.Extract(value), green.Extract(value), blue.Extract(value));
    };
    const auto& palette = layout.Palette;

    for (int row = 0; row < height; ++row) {
        const std::uint8_t* source = data.data() + static_cast<std::size_t>(row) * stride;
        std::uint32_t* target = result.Image.Row(layout.TopDown ? row : height - 1 - row);
        switch (layout.BitCount) {
        case 1:
            for (int x = 0; x < width; ++x)
                target[x] = palette[source[x >> 3] >> (7 - (x & 7)) & 1];
            break;
        case 4:
            for (int x = 0; x < width; ++x)
                target[x] = palette[(x & 1) ? source[x >> 1] & 0x0f : source[x >> 1] >> 4];
            break;
        case 8:
            for (int x = 0; x < width; ++x)
                target[x] = palette[source[x]];
            break;
        case 16:
            for (int x = 0; x < width; ++x)
                target[x] =
                    masked(static_cast<std::uint32_t>(source[2 * x] | source[2 * x + 1] << 8));
            break;
        case 24:
            for (int x = 0; x < width; ++x)
                target[x] = Rgb(source[3 * x + 2], source[3 * x + 1], source[3 * x]);
            break;
        case 32:
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = source + 4 * x;
                target[x] = masked(static_cast<std::uint32_t>(p[0]) |
                                   static_cast<std::uint32_t>(p[1]) << 8 |
                                   static_cast<std::uint32_t>(p[2]) << 16 |
                                   static_cast<std::uint32_t>(p[3]) << 24);
            }
            break;
        }
    }
    // Files that leave the alpha at 0 throughout mean an opaque image.
    if (layout.HasAlphaMask && !result.AlphaUsed)
        for (auto& pixel : result.Image.Pixels)
            pixel |= 0xff000000;
    return result;
}

// RLE8 and RLE4: runs of one index (RLE4: two alternating indices), absolute
// runs padded to 16 bits, and the escapes 0 0 (end of line), 0 1 (end of
// bitmap), 0 2 dx dy (delta). Runs past the row end are clipped; data must end
// with the end-of-bitmap escape.
DecodedDib DecodeRle(const DibLayout& layout, const TPictureBytes& pixels,
                     std::uint64_t pixelLimit) {
    const auto format = pixels.Format();
    CheckPictureSize(format, layout.Width, layout.Height, pixelLimit);
    const bool rle4 = layout.Compression == kBiRle4;
    const std::uint64_t width = layout.Width;
    const std::uint64_t height = layout.Height;
    DecodedDib result{
        TRasterImage::Filled(static_cast<int>(layout.Width), static_cast<int>(layout.Height)),
        false};
    const auto& palette = layout.Palette;

    std::uint64_t x = 0, line = 0;
    const auto put = [&](std::uint64_t at, std::uint8_t index) {
        if (at >= width || line >= height) return;
        const auto y = layout.TopDown ? line : height - 1 - line;
        result.Image.Pixels[static_cast<std::size_t>(y * width + at)] = palette[index];
    };

    std::uint64_t position = 0;
    for (;;) {
        const std::uint8_t count = pixels.U8(position);
        const std::uint8_t value = pixels.U8(position + 1);
        position += 2;
        if (count > 0) {
            const std::uint64_t end = std::min<std::uint64_t>(x + count, width);
            for (std::uint64_t i = 0; x + i < end; ++i)
                put(x + i, rle4 ? ((i & 1) ? value & 0x0f : value >> 4) : value);
            x += count;
            continue;
        }
        if (value == 0) {
            x = 0;
            ++line;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x += pixels.U8(position);
            line += pixels.U8(position + 1);
            position += 2;
        } else {
            const std::uint64_t bytes = rle4 ? (value + 1u) / 2 : value;
            const auto run = pixels.Sub(position, (bytes + 1) & ~std::uint64_t{1});
            const std::uint64_t end = std::min<std::uint64_t>(x + value, width);
            for (std::uint64_t i = 0; x + i < end; ++i)
                put(x + i, rle4 ? ((i & 1) ? run[i / 2] & 0x0f : run[i / 2] >> 4) : run[i]);
            x += value;
            position += run.size();
        }
    }
    return result;
}

DecodedDib DecodeDibPixels(const DibLayout& layout, const TPictureBytes& pixels,
                           std::uint64_t pixelLimit) {
    if (layout.Compression == kBiRle8 || layout.Compression == kBiRle4)
        return DecodeRle(layout, pixels, pixelLimit);
    return DecodeUncompressed(layout, pixels, pixelLimit);
}

} // namespace

TRasterImage DecodeBmp(std::span<const std::uint8_t> file, std::uint64_t pixelLimit) {
    const TPictureBytes bytes(file, "BMP");
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') FailDecode("BMP", "not a BMP file");
    const std::uint32_t pixelOffset = bytes.U32(10);
    const TPictureBytes dib(bytes.From(14), "BMP");
    const DibLayout layout = ReadDibLayout(dib);
    // Some writers leave the offset 0: the pixels then follow the colour table.
    const std::uint64_t start = pixelOffset != 0 ? pixelOffset : 14 + layout.HeaderEnd;
    if (start > file.size()) FailDecode("BMP", "pixel data offset outside the file");
    return DecodeDibPixels(layout, TPictureBytes(bytes.From(start), "BMP"), pixelLimit).Image;
}

TRasterImage DecodeIconDib(std::span<const std::uint8_t> data, std::uint64_t pixelLimit) {
    const TPictureBytes dib(data, "ICO");
    DibLayout layout = ReadDibLayout(dib);
    if (layout.Compression != kBiRgb && layout.Compression != kBiBitfields)
        FailDecode("ICO", "compressed icon image");
    // The stored height covers the XOR image and the AND mask.
    layout.Height /= 2;
    const TPictureBytes pixels(dib.From(layout.HeaderEnd), "ICO");
    DecodedDib decoded = DecodeUncompressed(layout, pixels, pixelLimit);
    if (layout.BitCount == 32 && decoded.AlphaUsed) return std::move(decoded.Image);

    const std::uint64_t maskStart = RowStride(layout.Width, layout.BitCount) * layout.Height;
    const std::uint64_t maskStride = RowStride(layout.Width, 1);
    const auto mask = pixels.Sub(maskStart, maskStride * layout.Height);
    TRasterImage& image = decoded.Image;
    for (int row = 0; row < image.Height; ++row) {
        const std::uint8_t* bits = mask.data() + static_cast<std::size_t>(row) * maskStride;
        std::uint32_t* target = image.Row(layout.TopDown ? row : image.Height - 1 - row);
        for (int x = 0; x < image.Width; ++x)
            if (bits[x >> 3] >> (7 - (x & 7)) & 1) target[x] = 0;
    }
    return std::move(image);
}

namespace {
void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
} // namespace

std::vector<std::uint8_t> EncodeBmp(const TRasterImage& image) {
    constexpr std::uint32_t kHeaders = 14 + 40;
    const auto width = static_cast<std::uint32_t>(std::max(image.Width, 0));
    const auto height = static_cast<std::uint32_t>(std::max(image.Height, 0));
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = stride * height;
    std::vector<std::uint8_t> out;
    out.reserve(kHeaders + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, kHeaders + imageSize, 4);
    PutLe(out, 0, 4); // reserved
    PutLe(out, kHeaders, 4);
    PutLe(out, 40, 4);
    PutLe(out, width, 4);
    PutLe(out, height, 4);
    PutLe(out, 1, 2);  // planes
    PutLe(out, 24, 2); // bits per pixel
    PutLe(out, 0, 4);  // BI_RGB
    PutLe(out, imageSize, 4);
    PutLe(out, 0, 4); // pixels per metre, horizontal and vertical
    PutLe(out, 0, 4);
    PutLe(out, 0, 4); // colours used and important
    PutLe(out, 0, 4);
    for (std::uint32_t y = height; y-- > 0;) {
        const auto* row = image.Row(static_cast<int>(y));
        for (std::uint32_t x = 0; x < width; ++x) {
            out.push_back(BlueOf(row[x]));
            out.push_back(GreenOf(row[x]));
            out.push_back(RedOf(row[x]));
        }
        out.resize(out.size() + (stride - width * 3), 0);
    }
    return out;
}

} // namespace brelvane
