#pragma once

#include "storage/PictureBlock.h"

#include <cstdint>
#include <vector>

namespace brelvane {

// The picture a file's bytes hold, by the signature they start with; empty
// when they are no picture.
TPicture PictureOfFileBytes(std::vector<std::uint8_t> bytes);

} // namespace brelvane
