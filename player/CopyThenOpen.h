#pragma once

#include <string>

class QWidget;

namespace brelvane {

// Whether every file and sub-folder of the `source` tree exists in `target`.
bool TreeComplete(const std::string& source, const std::string& target);

// The message for a special-folder token this desktop has no folder for.
std::string UnmappedFolderText(const std::string& token);

// "Copy File(s) then Open/Run": copies the source file or folder into the
// target folder, optionally after a message, then opens the file named.
// False when there is nothing to copy, the user declines or the target is a
// special folder this desktop lacks (reported, nothing copied).
bool CopyThenOpen(QWidget* owner, const std::string& argument);

} // namespace brelvane
