#include "dialogs/ColorNames.h"

#include "render/SystemColors.h"
#include "storage/EffectBlock.h"

#include <array>

namespace brelvane {

namespace {
constexpr std::int32_t System(int index) {
    return SystemColorValue(index);
}

constexpr std::array kColors{
    // Standard colours.
    TNamedColor{"Black", RGB(0, 0, 0)},
    TNamedColor{"Maroon", RGB(128, 0, 0)},
    TNamedColor{"Green", RGB(0, 128, 0)},
    TNamedColor{"Olive", RGB(128, 128, 0)},
    TNamedColor{"Navy", RGB(0, 0, 128)},
    TNamedColor{"Purple", RGB(128, 0, 128)},
    TNamedColor{"Teal", RGB(0, 128, 128)},
    TNamedColor{"Gray", RGB(128, 128, 128)},
    TNamedColor{"Silver", RGB(192, 192, 192)},
    TNamedColor{"Red", RGB(255, 0, 0)},
    TNamedColor{"Lime", RGB(0, 255, 0)},
    TNamedColor{"Yellow", RGB(255, 255, 0)},
    TNamedColor{"Blue", RGB(0, 0, 255)},
    TNamedColor{"Fuchsia", RGB(255, 0, 255)},
    TNamedColor{"Aqua", RGB(0, 255, 255)},
    TNamedColor{"White", RGB(255, 255, 255)},
    // Extended colours.
    TNamedColor{"MoneyGreen", RGB(192, 220, 192)},
    TNamedColor{"SkyBlue", RGB(166, 202, 240)},
    TNamedColor{"Cream", RGB(255, 251, 240)},
    TNamedColor{"MedGray", RGB(160, 160, 164)},
    // System colours.
    TNamedColor{"ScrollBar", System(COLOR_SCROLLBAR)},
    TNamedColor{"Background", System(COLOR_BACKGROUND)},
    TNamedColor{"ActiveCaption", System(COLOR_ACTIVECAPTION)},
    TNamedColor{"InactiveCaption", System(COLOR_INACTIVECAPTION)},
    TNamedColor{"Menu", System(COLOR_MENU)},
    TNamedColor{"Window", System(COLOR_WINDOW)},
    TNamedColor{"WindowFrame", System(COLOR_WINDOWFRAME)},
    TNamedColor{"MenuText", System(COLOR_MENUTEXT)},
    TNamedColor{"WindowText", System(COLOR_WINDOWTEXT)},
    TNamedColor{"CaptionText", System(COLOR_CAPTIONTEXT)},
    TNamedColor{"ActiveBorder", System(COLOR_ACTIVEBORDER)},
    TNamedColor{"InactiveBorder", System(COLOR_INACTIVEBORDER)},
    TNamedColor{"AppWorkSpace", System(COLOR_APPWORKSPACE)},
    TNamedColor{"Highlight", System(COLOR_HIGHLIGHT)},
    TNamedColor{"HighlightText", System(COLOR_HIGHLIGHTTEXT)},
    TNamedColor{"BtnFace", System(COLOR_BTNFACE)},
    TNamedColor{"BtnShadow", System(COLOR_BTNSHADOW)},
    TNamedColor{"GrayText", System(COLOR_GRAYTEXT)},
    TNamedColor{"BtnText", System(COLOR_BTNTEXT)},
    TNamedColor{"InactiveCaptionText", System(COLOR_INACTIVECAPTIONTEXT)},
    TNamedColor{"BtnHighlight", System(COLOR_BTNHIGHLIGHT)},
    TNamedColor{"3DDkShadow", System(COLOR_3DDKSHADOW)},
    TNamedColor{"3DLight", System(COLOR_3DLIGHT)},
    TNamedColor{"InfoText", System(COLOR_INFOTEXT)},
    TNamedColor{"InfoBk", System(COLOR_INFOBK)},
    TNamedColor{"HotLight", System(COLOR_HOTLIGHT)},
    TNamedColor{"GradientActiveCaption", System(COLOR_GRADIENTACTIVECAPTION)},
    TNamedColor{"GradientInactiveCaption", System(COLOR_GRADIENTINACTIVECAPTION)},
    TNamedColor{"MenuHighlight", System(COLOR_MENUHILIGHT)},
    TNamedColor{"MenuBar", System(COLOR_MENUBAR)},
};
} // namespace

std::span<const TNamedColor> ColorList() {
    return kColors;
}

QString SpacedColorName(std::string_view ident) {
    QString spaced;
    for (std::size_t i = 0; i < ident.size(); ++i) {
        const char c = ident[i];
        if (i > 0 && c >= 'A' && c <= 'Z') spaced += ' ';
        spaced += QLatin1Char(c);
    }
    return spaced;
}

QString ColorName(std::int32_t value) {
    if (value == kColorNone) return QStringLiteral("None");
    for (const auto& color : kColors)
        if (color.Value == value) return SpacedColorName(color.Ident);
    return QStringLiteral("Custom");
}

} // namespace brelvane
