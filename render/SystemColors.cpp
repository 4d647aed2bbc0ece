#include "render/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <optional>

namespace brelvane {

namespace {
struct TPaletteEntry {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// The one table from system colour indexes to the palette's roles.
constexpr std::array<std::optional<TPaletteEntry>, 31> kSystemColors{{
    TPaletteEntry{QPalette::Active, QPalette::Button},          // SCROLLBAR
    TPaletteEntry{QPalette::Active, QPalette::Dark},            // BACKGROUND (desktop)
    TPaletteEntry{QPalette::Active, QPalette::Highlight},       // ACTIVECAPTION
    TPaletteEntry{QPalette::Inactive, QPalette::Mid},           // INACTIVECAPTION
    TPaletteEntry{QPalette::Active, QPalette::Window},          // MENU
    TPaletteEntry{QPalette::Active, QPalette::Base},            // WINDOW
    TPaletteEntry{QPalette::Active, QPalette::Shadow},          // WINDOWFRAME
    TPaletteEntry{QPalette::Active, QPalette::WindowText},      // MENUTEXT
    TPaletteEntry{QPalette::Active, QPalette::Text},            // WINDOWTEXT
    TPaletteEntry{QPalette::Active, QPalette::HighlightedText}, // CAPTIONTEXT
    TPaletteEntry{QPalette::Active, QPalette::Button},          // ACTIVEBORDER
    TPaletteEntry{QPalette::Inactive, QPalette::Button},        // INACTIVEBORDER
    TPaletteEntry{QPalette::Active, QPalette::Mid},             // APPWORKSPACE
    TPaletteEntry{QPalette::Active, QPalette::Highlight},       // HIGHLIGHT
    TPaletteEntry{QPalette::Active, QPalette::HighlightedText}, // HIGHLIGHTTEXT
    TPaletteEntry{QPalette::Active, QPalette::Button},          // BTNFACE
    TPaletteEntry{QPalette::Active, QPalette::Dark},            // BTNSHADOW
    TPaletteEntry{QPalette::Disabled, QPalette::Text},          // GRAYTEXT
    TPaletteEntry{QPalette::Active, QPalette::ButtonText},      // BTNTEXT
    TPaletteEntry{QPalette::Inactive, QPalette::WindowText},    // INACTIVECAPTIONTEXT
    TPaletteEntry{QPalette::Active, QPalette::Light},           // BTNHIGHLIGHT
    TPaletteEntry{QPalette::Active, QPalette::Shadow},          // 3DDKSHADOW
    TPaletteEntry{QPalette::Active, QPalette::Midlight},        // 3DLIGHT
    TPaletteEntry{QPalette::Active, QPalette::ToolTipText},     // INFOTEXT
    TPaletteEntry{QPalette::Active, QPalette::ToolTipBase},     // INFOBK
    std::nullopt,                                               // 25 is not used
    TPaletteEntry{QPalette::Active, QPalette::Link},            // HOTLIGHT
    TPaletteEntry{QPalette::Active, QPalette::Highlight},       // GRADIENTACTIVECAPTION
    TPaletteEntry{QPalette::Inactive, QPalette::Mid},           // GRADIENTINACTIVECAPTION
    TPaletteEntry{QPalette::Active, QPalette::Highlight},       // MENUHILIGHT
    TPaletteEntry{QPalette::Active, QPalette::Window},          // MENUBAR
}};
} // namespace

QColor ResolveColor(std::int32_t colorValue) {
    const auto value = static_cast<std::uint32_t>(colorValue);
    if (IsSystemColorValue(colorValue)) {
        const auto index = value & 0xff;
        if (index >= kSystemColors.size() || !kSystemColors[index]) return QColor(0, 0, 0);
        const auto& entry = *kSystemColors[index];
        // Eight bits per channel and opaque, as a pixel reads back.
        return QColor(QGuiApplication::palette().color(entry.Group, entry.Role).rgb());
    }
    return QColor(static_cast<int>(value & 0xff), static_cast<int>(value >> 8 & 0xff),
                  static_cast<int>(value >> 16 & 0xff));
}

} // namespace brelvane
