#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brelvane {

// The stored form of a path inside the project: relative to the base folder,
// beginning with a backslash, backslashes between components, code page 1252
// bytes. "\" is the base folder itself; "" means the path lies outside the
// project. Whole components of the canonical paths are compared without regard
// to case, so a sibling folder whose name begins with the base folder's name
// is outside.
std::string MakeProjectRelative(const std::string& baseFolder, const std::string& path);

// As MakeProjectRelative, telling apart a path outside the project (empty)
// from one whose name code page 1252 cannot hold (nothing).
std::optional<std::string> StoredRelativePath(const std::string& baseFolder,
                                              const std::string& path);

// The full path of a stored relative path (a leading backslash added when
// missing, blanks trimmed); the base folder for an empty one.
std::string ProjectPathOf(const std::string& baseFolder, const std::string& stored);

// The names of the visible immediate sub-folders of `folder` in ascending
// order without regard to case, each followed by CR LF. Fails with the
// system's input/output error text when the folder cannot be listed.
struct TFolderListing {
    bool Ok = false;
    std::string Text;
    std::string Error;
};
TFolderListing ListSubfolders(const std::string& folder);

// A folder as a folder browser gives it, without trailing separators.
std::string WithoutTrailingSeparators(std::string path);

} // namespace brelvane
