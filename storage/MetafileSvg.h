#pragma once

#include "storage/MetafileInfo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelvane {

// Plays a metafile's records into an SVG document of `size` pixels: an
// enhanced metafile through libemf2svg, a Windows metafile (placeable or
// not) through libwmf. Throws PictureDecodeError when the records cannot be
// played, and in a build without the metafile libraries.
std::string MetafileToSvg(const std::vector<std::uint8_t>& data, TPictureSize size);

} // namespace brelvane
