#pragma once

#include "storage/PictureCodecs.h"

#include <cstdint>
#include <span>
#include <vector>

namespace brelvane {

// One image of an icon file.
struct TIconImage {
    TRasterImage Image;
    // Bits per pixel of the stored image (a PNG entry: bit depth times channels).
    int BitCount = 0;
    bool Png = false;
};

// A complete ICO file (cursor files, type 2, read the same way). Entries are
// device-independent bitmaps (DecodeIconDib: 1, 4, 8, 16, 24 or 32 bits with
// the AND mask) or PNG files (DecodePng). The directory's own width, height
// and depth are not trusted: each entry's header gives them.
// Every entry's data must lie inside the file, or the whole file is refused.

// The best entry: the largest (most pixels), among those the deepest, among
// those the first in the directory. Only that entry is decoded.
TRasterImage DecodeIcon(std::span<const std::uint8_t> file,
                        std::uint64_t pixelLimit = kMaxPicturePixels);

// Every entry, in directory order; pixelLimit holds for all of them together.
std::vector<TIconImage> DecodeIconEntries(std::span<const std::uint8_t> file,
                                          std::uint64_t pixelLimit = kMaxPicturePixels);

} // namespace brelvane
