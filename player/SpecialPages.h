#pragma once

#include <cstdint>

namespace brelvane {

// The first agreement or security form of the index, shown modally; its
// `Result` says whether the menu may run. True when the project has none.
// A form that cannot be built keeps the gate shut: its error has been shown.
bool ShowGatePage(std::uint8_t kind);

// The first exit form, shown modally with `Result` preset to true: whether
// the main window may close. True when there is none or it cannot be built.
bool ShowExitForm();

} // namespace brelvane
