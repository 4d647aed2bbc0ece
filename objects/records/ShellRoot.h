#pragma once

#include <string>

namespace brelvane {

// The folder a shell view shows: the base folder followed directly by `root`
// when that names an existing folder inside the base folder, else the base
// folder itself. A root that climbs out of the base folder ("..", a link
// to elsewhere) counts as missing, so no view shows folders above the base.
std::string ResolveRoot(const std::string& baseFolder, const std::string& root);

// The caption of a shell tree's root node: `root` without one leading and
// one trailing backslash, or "CDROM" when nothing remains.
std::string RootCaption(const std::string& root);

} // namespace brelvane
