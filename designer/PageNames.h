#pragma once

#include "storage/ProjectIndex.h"

#include <optional>
#include <string>
#include <vector>

namespace brelvane {

// A page name is also the name of its page file on every disc, so it must be
// a plain file name there: not empty, not "." or "..", none of \ / : * ? " < > |
// and no control characters.
bool IsPlainPageName(const std::string& name);

// Page names are unique without regard to case (case twins collide on a disc).
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

// Whether any of `names` equals `name` without regard to case.
bool NameTakenIgnoringCase(const std::vector<std::string>& names, const std::string& name);

// The first page name of an index that is not a plain file name or repeats
// another without regard to case; nothing for a sound index.
std::optional<std::string> DamagedPageName(const TProjectIndex& index);

// The candidate itself when no name equals it without regard to case, else the
// candidate followed by 1, 2, 3 … , the first that no name equals, again
// without regard to case.
std::string UniquePageName(const std::vector<std::string>& names, const std::string& candidate);

// Names of the index's pages in order.
std::vector<std::string> PageNames(const TProjectIndex& index);

} // namespace brelvane
