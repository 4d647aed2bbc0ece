#pragma once

#include "objects/records/Command.h"

#include <optional>
#include <string>

namespace brelvane {

// At most this many characters after a marker are taken.
inline constexpr std::size_t kLinkArgumentLimit = 1000;

// The command a web view link names: the markers are looked for in a fixed
// order and the first one found decides. Nothing for an ordinary address.
std::optional<TCommand> ParseLinkCommand(const std::string& address);

} // namespace brelvane
