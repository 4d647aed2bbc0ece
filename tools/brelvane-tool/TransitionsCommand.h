#pragma once

#include <string>
#include <vector>

namespace brelvane {

// brelvane-tool transitions OUT_DIR: writes one contact sheet per transition style,
// frames at progress 10, 20 ... 90 from two built-in pictures. Needs a GUI application.
int RunTransitionsCommand(const std::vector<std::string>& args);

} // namespace brelvane
