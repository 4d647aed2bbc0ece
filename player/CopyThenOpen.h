#pragma once

#include <string>

class QWidget;

namespace brelvane {

// Whether every file and sub-folder of the `source` tree exists in `target`.
bool TreeComplete(const std::string& source, const std::string& target);

// "Copy File(s) then Open/Run": copies the source file or folder into the
// target folder, optionally after a message, then opens the file named.
// False when there is nothing to copy or the user declines.
bool CopyThenOpen(QWidget* owner, const std::string& argument);

} // namespace brelvane
