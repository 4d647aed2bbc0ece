#pragma once

#include "storage/PictureCodecs.h"

#include <cstdint>
#include <span>

namespace brelvane {

// A complete JPEG file, through libjpeg: greyscale, YCbCr/RGB and CMYK/YCCK
// (the Adobe marker means inverted CMYK, as Photoshop writes it), baseline and
// progressive. The file must run to its EOI marker, and entropy-coded data
// that stops short of its image ("premature end of data segment") fails;
// libjpeg's other warnings are dropped. libjpeg never calls exit(): its errors
// become PictureDecodeError. A progressive file may use at most 1000 scans
// and 1 GiB of coefficient memory. The Exif orientation is not applied.
TRasterImage DecodeJpeg(std::span<const std::uint8_t> data,
                        std::uint64_t pixelLimit = kMaxPicturePixels);

} // namespace brelvane
