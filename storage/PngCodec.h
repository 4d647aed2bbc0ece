#pragma once

#include "storage/PictureCodecs.h"

#include <cstdint>
#include <span>

namespace brelvane {

// Whether `data` starts with the eight bytes of the PNG signature.
bool IsPngSignature(std::span<const std::uint8_t> data);

// A complete PNG file, through libpng: every colour type and bit depth,
// palettes with or without tRNS, tRNS colour keys of grey and RGB images,
// Adam7 interlace. 16-bit samples are scaled to 8 bits; sample values are
// taken as stored (no gamma or colour-profile correction). The file must run
// to its IEND chunk; libpng's errors (bad CRC of a critical chunk, damaged
// compressed data, data cut off) become PictureDecodeError, its warnings are
// dropped. The dimensions may not ask for more pixels than the data could
// hold at deflate's best compression.
TRasterImage DecodePng(std::span<const std::uint8_t> data,
                       std::uint64_t pixelLimit = kMaxPicturePixels);

} // namespace brelvane
