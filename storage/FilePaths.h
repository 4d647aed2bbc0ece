#pragma once

#include <string>

namespace brelvane {

// Projects authored on Windows name files in any case: a path component that
// does not exist in its exact case is matched case-insensitively against the
// entries of its folder. Backslashes become slashes. The path is returned
// unchanged from the first component that matches nothing.
std::string ResolvePath(const std::string& path);

// A stored path relative to `base` by the path rule: a leading backslash when
// missing, `base` in front, then resolved as above.
std::string BaseRelativePath(const std::string& base, const std::string& relative);

// Whether the resolved path exists (file or folder), and which kind.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// True when `path` is `folder` or lies inside it, both resolved as above and
// with links followed; false when either cannot be resolved.
bool IsInsideFolder(const std::string& path, const std::string& folder);

} // namespace brelvane
