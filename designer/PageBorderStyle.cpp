#include "designer/PageBorderStyle.h"

#include "project/PageRecord.h"

#include <array>
#include <optional>

namespace brelvane {

namespace {
enum : std::uint8_t {
    bsNone,
    bsSingle,
    bsSizeable,
    bsDialog,
    bsToolWindow,
    bsSizeToolWin,
};

struct TBorderChoice {
    const char* Text;
    std::uint8_t Style;
    // Nothing: the icons stay as they are.
    std::optional<std::uint8_t> Icons;
};

constexpr std::uint8_t kMenu = biSystemMenu;
constexpr std::uint8_t kMenuAndMinimize = biSystemMenu | biMinimize;

const std::array kChoices{
    TBorderChoice{"None", bsNone, std::nullopt},
    TBorderChoice{"Single", bsSingle, kMenu},
    TBorderChoice{"Sizeable", bsSizeable, kMenu},
    TBorderChoice{"ToolWindow", bsToolWindow, kMenu},
    TBorderChoice{"SizeToolWin", bsSizeToolWin, kMenu},
    TBorderChoice{"SingleMinimizeIcon", bsSingle, kMenuAndMinimize},
    TBorderChoice{"SizeableMinimizeIcon", bsSizeable, kMenuAndMinimize},
    TBorderChoice{"SingleNoneIcon", bsSingle, std::uint8_t{0}},
    TBorderChoice{"SizeableNoneIcon", bsSizeable, std::uint8_t{0}},
    TBorderChoice{"ToolWindowNoneIcon", bsToolWindow, std::uint8_t{0}},
    TBorderChoice{"SizeToolWinNoneIcon", bsSizeToolWin, std::uint8_t{0}},
};

QString StyleName(std::uint8_t borderStyle) {
    switch (borderStyle) {
    case bsSingle:
        return "Single";
    case bsToolWindow:
        return "ToolWindow";
    case bsSizeToolWin:
        return "SizeToolWin";
    default:
        return "Sizeable";
    }
}
} // namespace

QStringList BorderStyleChoices() {
    QStringList choices;
    for (const auto& choice : kChoices)
        choices << choice.Text;
    return choices;
}

QString BorderStyleText(std::uint8_t borderStyle, std::uint8_t borderIcons) {
    if (borderStyle == bsNone) return "None";
    if (borderStyle == bsDialog) return "Dialog";
    // Without the system menu a window shows no border icons at all.
    if (!(borderIcons & biSystemMenu)) return StyleName(borderStyle) + "NoneIcon";
    if (borderIcons & biMinimize) return StyleName(borderStyle) + "MinimizeIcon";
    return StyleName(borderStyle);
}

bool ApplyBorderStyle(const QString& text, TPageRecord& page) {
    for (const auto& choice : kChoices) {
        if (text != QLatin1String(choice.Text)) continue;
        page.BorderStyle = choice.Style;
        if (choice.Icons) page.BorderIcons = *choice.Icons;
        return true;
    }
    return false;
}

} // namespace brelvane
