#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <string_view>

namespace brelvane {

// One entry of the platform's colour list: the colour constant's name without
// its "cl" prefix, and its colour value.
struct TNamedColor {
    std::string_view Ident;
    std::int32_t Value;
};

// The colour value of "no colour".
inline constexpr std::int32_t kColorNone = 0x1FFFFFFF;

// The colour list: the standard colours, the extended ones, then the system
// colours, in the order the platform lists them.
std::span<const TNamedColor> ColorList();

// "MoneyGreen" as the list shows it: "Money Green", a blank before each
// further capital letter.
QString SpacedColorName(std::string_view ident);

// The name under which `value` is listed ("None" for kColorNone), or
// "Custom" when it is not.
QString ColorName(std::int32_t value);

} // namespace brelvane
