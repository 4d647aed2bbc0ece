#pragma once

#include <cstdint>
#include <vector>

namespace brelvane {

// The program's own icon, drawn here so that no picture comes from elsewhere:
// a disc with a play mark, as a complete .ico file of 32-bit images at 16,
// 24, 32, 48 and 64 pixels.
std::vector<std::uint8_t> DrawDefaultIcon();

} // namespace brelvane
