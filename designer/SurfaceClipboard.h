#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace brelvane {

// The clipboard type of copied objects.
inline constexpr char kObjectsMimeType[] = "application/x-brelvane";

// Replaces the clipboard's content by copied objects.
void PutObjectsOnClipboard(const std::vector<std::uint8_t>& data);
// What lies on the clipboard under our type; none when it lacks the type.
std::optional<std::vector<std::uint8_t>> ObjectsOnClipboard();
bool ClipboardHoldsObjects();

} // namespace brelvane
