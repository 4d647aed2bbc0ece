#pragma once

#include "storage/PictureCodecs.h"

#include <cstdint>
#include <span>

namespace brelvane {

// A complete GIF file (87a or 89a), through giflib: every frame composed on
// the logical screen (a screen of width or height 0 takes the first frame's
// extent), frames clipped to it, local or global colour tables, interlaced
// frames, the graphic control's delay, disposal and transparent index, and
// the NETSCAPE2.0/ANIMEXTS1.0 loop count (see TDecodedPicture).
// Composition, as web browsers do it: the canvas starts transparent; a
// transparent-index pixel leaves what lies beneath, as does an index past
// the colour table; disposal 2 ("restore to background") clears the frame's
// rectangle to transparent rather than to the background colour; disposal 3
// puts back the canvas as it was before the frame.
// The file must reach its trailer, and every frame needs all of its pixels.
TDecodedPicture DecodeGif(std::span<const std::uint8_t> data,
                          std::uint64_t pixelLimit = kMaxPicturePixels);

} // namespace brelvane
