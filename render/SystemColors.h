#pragma once

#include <QColor>
#include <cstdint>

namespace brelvane {

// System colour indexes of colour values whose high byte is 0x80.
enum TSystemColorIndex : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
};

// The colour value of system colour `index` (high byte 0x80).
constexpr std::int32_t SystemColorValue(int index) {
    return static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(index & 0xff));
}

constexpr bool IsSystemColorValue(std::int32_t colorValue) {
    return (static_cast<std::uint32_t>(colorValue) >> 24) == 0x80;
}

// Any colour value as a plain opaque colour: a Windows colour value (red in
// the low byte; the high byte other than 0x80 is ignored, as writing the value
// into a pixel does) or a system colour taken from the application palette.
// An unknown system colour index is black. Needs a QGuiApplication for system
// colours.
QColor ResolveColor(std::int32_t colorValue);

} // namespace brelvane
