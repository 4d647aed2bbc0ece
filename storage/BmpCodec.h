#pragma once

#include "storage/PictureCodecs.h"

#include <cstdint>
#include <span>
#include <vector>

namespace brelvane {

// A complete BMP file (file header included). Read directly:
// - headers: BITMAPCOREHEADER (12 bytes) and BITMAPINFOHEADER (40) with its
//   longer forms (52, 56, 64, 108 = V4, 124 = V5 bytes);
// - 1, 4 and 8 bits with a colour table (an index past the table is black),
//   16 bits (5-5-5 unless BI_BITFIELDS), 24 bits, 32 bits (BI_RGB or
//   BI_BITFIELDS/BI_ALPHABITFIELDS masks), RLE8 and RLE4 with their
//   end-of-line, end-of-bitmap and delta escapes;
// - rows bottom-up (positive height) or top-down (negative height).
// Alpha: 32-bit BI_RGB keeps its fourth byte as alpha, and a mask file its
// alpha mask, only when some pixel has a non-zero alpha: files that leave it 0
// throughout are opaque. Pixels that RLE data skips stay transparent.
// Every size and offset is checked against the data; uncompressed dimensions
// must fit the pixel data present, every image kMaxPicturePixels.
TRasterImage DecodeBmp(std::span<const std::uint8_t> file,
                       std::uint64_t pixelLimit = kMaxPicturePixels);

// The device-independent bitmap of an icon entry: info header, colour table,
// XOR image of half the stored height, then the 1-bit AND mask (1 =
// transparent). A 32-bit image with some non-zero alpha uses its alpha and
// may lack the mask; other images need the mask. Where the mask is set the
// pixel is transparent, whatever its XOR colour (an "inverted screen" pixel of
// Windows cannot be shown on an image and becomes transparent too).
// Failures name the format "ICO".
TRasterImage DecodeIconDib(std::span<const std::uint8_t> dib,
                           std::uint64_t pixelLimit = kMaxPicturePixels);

// A 24-bit Windows bitmap file of `image`: 14-byte file header, 40-byte info
// header, rows bottom-up, each padded to four bytes; alpha is dropped.
std::vector<std::uint8_t> EncodeBmp(const TRasterImage& image);

} // namespace brelvane
