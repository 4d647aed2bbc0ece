#pragma once

#include <QString>
#include <string>

namespace brelvane {

// An error text as the box shows it: in the machine's encoding (UTF-8), with
// stray stored bytes read as Windows-1252.
QString ErrorBoxText(const std::string& text);

// Routes the error report to message boxes titled "Error" with the error icon.
// Without a display a person could answer (offscreen runs), the texts go to
// standard error instead, so that nothing waits for a click that cannot come.
void InstallErrorBoxSink();

} // namespace brelvane
