#pragma once

#include <cstdint>
#include <string_view>

namespace brelvane {

enum TObjectKind : std::uint8_t {
    okButton,
    okImageButton,
    okImage,
    okLabel,
    okLink,
    okFadeLabel,
    okText,
    okScrollText,
    okTextBox,
    okRichText,
    okAVI,
    okExplorer,
    okMediaPlayer,
    okSlideShow,
    okEdit,
    okRadioButton,
    okCheckBox,
    okSimpleText,
    okFlash,
    okShape,
    okListBox,
    okDropDownList,
    okListView,
    okTreeView,
    okShellComboBox,
    okShellTreeView,
    okShellListView,
};

inline constexpr int kObjectKindCount = 27;

// What the designer's add operation gives a new object of a kind.
struct TObjectKindInfo {
    std::string_view Name;
    std::string_view ClassName;
    std::string_view DefaultCaption; // "" when the kind has no caption
    int DefaultWidth;                // 0 with 0 height: sized by its content
    int DefaultHeight;
};

bool IsObjectKind(std::uint8_t kind);
// The table row of a kind 0..26; the kind must be valid.
const TObjectKindInfo& ObjectKindInfo(std::uint8_t kind);
// Windowed kinds (8–16, 18, 20–26) always lie above the kinds drawn directly
// on the page (0–7, 17, 19), whatever their order in the list.
bool IsWindowedKind(std::uint8_t kind);

// The kind name of the low 7 bits of `kind`, or "" outside the table.
std::string_view KindName(std::uint8_t kind);

} // namespace brelvane
