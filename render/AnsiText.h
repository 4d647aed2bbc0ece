#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace brelvane {

// Stored ANSI bytes to and from the user interface's strings.
QString FromAnsi(std::string_view ansi);
std::string ToAnsi(const QString& text);

} // namespace brelvane
