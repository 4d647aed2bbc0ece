#pragma once

#include "storage/ByteStream.h"

namespace brelvane {

// Reads a page stream into a new page window that behaves as in the player
// and shows it modally; a screen background fills the screen without a
// border. False when the page cannot be read (its error is reported).
bool ShowPagePreview(TStream& stream);

} // namespace brelvane
