#pragma once

#include "storage/ByteStream.h"

#include <functional>
#include <string>

namespace brelvane {

// Writes a file through a temporary file beside it that is renamed over the
// target only when `write` returned true and every byte reached the disk, so a
// failed save never leaves a half-written file where a good one was.
// Throws StreamError (errno set) for file-system failures; returns what `write`
// returned otherwise.
bool SaveFileAtomically(const std::string& path, const std::function<bool(TStream&)>& write);

} // namespace brelvane
