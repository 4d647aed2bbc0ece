#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelvane {

// A menu item's shortcut as stored: a virtual key in the low byte and the
// modifier bits above it.
enum : std::uint16_t { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };

// "Shift+", "Ctrl+" and "Alt+" in that order, then the key's name ("A",
// "F1", "BkSp", "Ins"...); "" for 0 or a key without a name.
std::string ShortCutToText(std::uint16_t shortCut);
// The reverse, modifiers in any order and any case; 0 for any other text.
std::uint16_t TextToShortCut(std::string_view text);

// The texts the menu editor offers, in its order.
std::vector<std::string> OfferedShortCutTexts();

} // namespace brelvane
