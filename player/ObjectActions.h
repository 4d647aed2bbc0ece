#pragma once

#include <string>

namespace brelvane {

class TAutoRunForm;

// "Load File with Object": the file goes into every Image, Label, FadeLabel,
// Text, ScrollText and SimpleText of that name (text kinds take its lines).
// True when both the object name and the file were given and the file could
// be loaded; a file that is missing or cannot be read is reported once and
// every object keeps what it showed.
bool LoadFileWithObject(TAutoRunForm& page, const std::string& argument);
// "Show/Hide Enable/Disable Objects": true only when all eight lists were present.
bool ShowHideObjects(TAutoRunForm& page, const std::string& argument);

} // namespace brelvane
