#pragma once

#include <QIcon>

namespace brelvane {

// The 16 x 16 button pictures of slide shows and media players, drawn here
// rather than loaded: play, first, previous, next, last, then pause and stop.
enum class TMediaGlyph { Play, First, Previous, Next, Last, Pause, Stop };

QIcon MediaGlyph(TMediaGlyph glyph);

} // namespace brelvane
