#pragma once

#include <QCursor>
#include <optional>
#include <string>

namespace brelvane::platform {

// Loads a cursor file: .cur (with its hot spot), .ico, or the first frame of
// an animated .ani cursor. Nothing when the file is missing or damaged.
std::optional<QCursor> LoadCursorFile(const std::string& path);

} // namespace brelvane::platform
