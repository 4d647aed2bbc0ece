#include "objects/records/ObjectKinds.h"

#include <array>

namespace brelvane {

namespace {
constexpr std::array<TObjectKindInfo, kObjectKindCount> kKinds{{
    {"Button", "TAuButton", "New Button", 105, 25},
    {"ImageButton", "TAuImageButton", "New ImageButton", 105, 25},
    {"Image", "TAuImage", "", 105, 105},
    {"Label", "TAuLabel", "New Label", 105, 25},
    {"Link", "TAuLink", "New Link", 0, 0},
    {"FadeLabel", "TAuFadeLabel", "", 105, 25},
    {"Text", "TAuText", "New Text", 209, 209},
    {"ScrollText", "TAuScrollText", "New Scroll Text", 209, 209},
    {"TextBox", "TAuTextBox", "", 209, 209},
    {"RichText", "TAuRichTextBox", "", 209, 209},
    {"AVI", "TAuAVI", "", 105, 105},
    {"Explorer", "TAuExplorer", "", 209, 209},
    {"MediaPlayer", "TAuMedia", "", 209, 185},
    {"SlideShow", "TAuSlideShow", "", 209, 185},
    {"Edit", "TAuSecurityEdit", "", 121, 25},
    {"RadioButton", "TAuAgreementRadio", "New RadioButton", 113, 17},
    {"CheckBox", "TAuAgreementCheck", "New CheckBox", 97, 17},
    {"SimpleText", "TAuSimpleText", "New SimpleText", 105, 17},
    {"Flash", "TAuFlash", "", 209, 105},
    {"Shape", "TAuShape", "", 105, 105},
    {"ListBox", "TAuListBox", "", 209, 209},
    {"DropDownList", "TAuComboBox", "", 145, 25},
    {"ListView", "TAuListView", "", 209, 209},
    {"TreeView", "TAuTreeView", "", 209, 209},
    {"ShellComboBox", "TAuShellComboBox", "", 209, 209},
    {"ShellTreeView", "TAuShellTreeView", "", 209, 209},
    {"ShellListView", "TAuShellListView", "", 209, 209},
}};
} // namespace

bool IsObjectKind(std::uint8_t kind) {
    return kind < kObjectKindCount;
}

const TObjectKindInfo& ObjectKindInfo(std::uint8_t kind) {
    return kKinds[kind];
}

bool IsWindowedKind(std::uint8_t kind) {
    return (kind >= okTextBox && kind <= okCheckBox) || kind == okFlash || kind >= okListBox;
}

std::string_view KindName(std::uint8_t kind) {
    const auto low = static_cast<std::uint8_t>(kind & 0x7f);
    return IsObjectKind(low) ? kKinds[low].Name : std::string_view();
}

} // namespace brelvane
