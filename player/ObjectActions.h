#pragma once

#include <string>

namespace brelvane {

class TAutoRunForm;

// "Load File with Object": true when both the object name and the file were given.
bool LoadFileWithObject(TAutoRunForm& page, const std::string& argument);
// "Show/Hide Enable/Disable Objects": true only when all eight lists were present.
bool ShowHideObjects(TAutoRunForm& page, const std::string& argument);

} // namespace brelvane
