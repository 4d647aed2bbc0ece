#pragma once

#include "storage/FontBlock.h"

#include <QColor>
#include <QFont>

namespace brelvane {

// A stored font as a Qt font: face, style bits and the point size as the
// pixel height a 96-dpi screen gives it, so that layouts match the author's.
QFont ToQFont(const TFont& font);
// The font's colour, system colours resolved.
QColor FontColor(const TFont& font);

} // namespace brelvane
