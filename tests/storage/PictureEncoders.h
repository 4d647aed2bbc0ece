#pragma once

// Small pictures built inside the tests: BMP and ICO byte by byte, PNG, JPEG
// and GIF through the encoders of libpng, libjpeg and giflib.

#include "storage/PictureBlock.h"
#include "storage/RasterImage.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace brelvane::test {

using PictureBytes = std::vector<std::uint8_t>;

// Little-endian byte builder.
class ByteWriter {
public:
    ByteWriter& U8(std::uint32_t value);
    ByteWriter& U16(std::uint32_t value);
    ByteWriter& U32(std::uint32_t value);
    ByteWriter& I32(std::int32_t value) { return U32(static_cast<std::uint32_t>(value)); }
    ByteWriter& Append(const PictureBytes& bytes);
    ByteWriter& Append(std::initializer_list<std::uint8_t> bytes);
    void Patch32(std::size_t offset, std::uint32_t value);
    std::size_t Size() const { return bytes_.size(); }
    const PictureBytes& Bytes() const { return bytes_; }

private:
    PictureBytes bytes_;
};

// ---- BMP and ICO ----------------------------------------------------------

// BITMAPINFOHEADER (40 bytes).
PictureBytes InfoHeader(std::int32_t width, std::int32_t height, int bitCount,
                        std::uint32_t compression = 0, std::uint32_t colorsUsed = 0);
// BITMAPCOREHEADER (12 bytes).
PictureBytes CoreHeader(int width, int height, int bitCount);
// RGBQUAD entries from 0xRRGGBB colours.
PictureBytes QuadPalette(std::initializer_list<std::uint32_t> colors);
// RGBTRIPLE entries from 0xRRGGBB colours.
PictureBytes TriplePalette(std::initializer_list<std::uint32_t> colors);
// A BMP file: file header, then `dib` (header, masks, colour table), then the pixel data.
PictureBytes BmpFile(const PictureBytes& dib, const PictureBytes& pixels);
// Rows of `bytesPerRow` bytes padded to 4 bytes each.
PictureBytes PaddedRows(const std::vector<PictureBytes>& rows);

struct IconEntrySpec {
    int Width = 0, Height = 0, BitCount = 0;
    PictureBytes Data;
};
// An ICO file with the given entries (data laid out after the directory).
PictureBytes IcoFile(const std::vector<IconEntrySpec>& entries);

// ---- PNG -------------------------------------------------------------------

struct PngLayout {
    int Width = 1, Height = 1;
    int ColorType = 0; // PNG_COLOR_TYPE_*
    int BitDepth = 8;
    bool Interlaced = false;
    std::vector<std::uint32_t> Palette; // 0xRRGGBB
    std::vector<std::uint8_t> PaletteAlpha;
    std::optional<std::array<std::uint16_t, 3>> Key; // tRNS of grey (first value) or RGB
};
// `rows`: each row's samples packed as PNG stores them (16-bit big-endian).
PictureBytes EncodePng(const PngLayout& layout, const std::vector<PictureBytes>& rows);
// An RGBA image as an 8-bit RGBA PNG.
PictureBytes EncodePngRgba(const TRasterImage& image);

// ---- JPEG ------------------------------------------------------------------

enum class JpegInput { Grey, Rgb, Cmyk };
// `samples`: width * height * components (1, 3 or 4) bytes, rows from the top.
PictureBytes EncodeJpeg(int width, int height, JpegInput input, const PictureBytes& samples,
                        bool progressive = false, int quality = 95);

// ---- GIF -------------------------------------------------------------------

struct GifFrameSpec {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    PictureBytes Indices; // Width * Height, rows from the top
    int DelayCs = 0;
    int Disposal = 0;
    int TransparentIndex = -1;
    bool Interlaced = false;
    bool WithControl = true;           // write a graphic control extension
    std::vector<std::uint32_t> Colors; // local colour table (0xRRGGBB), none if empty
};

struct GifLayout {
    int Width = 0, Height = 0;
    std::vector<std::uint32_t> Colors; // global colour table (0xRRGGBB), none if empty
    std::optional<int> LoopCount;      // NETSCAPE2.0 extension
    std::vector<GifFrameSpec> Frames;
};
PictureBytes EncodeGif(const GifLayout& layout);

} // namespace brelvane::test
