#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace brelvane {

// The whole of a file an editor loads, or nothing once "Cannot open file"
// has been shown.
std::optional<std::string> ReadEditorFile(QWidget* owner, const QString& file);
// Writes what an editor saves; a failure shows "Cannot create file".
void WriteEditorFile(QWidget* owner, const QString& file, std::string_view bytes);

} // namespace brelvane
