#include "objects/records/ShortCutText.h"

#include <array>
#include <cctype>
#include <optional>

namespace brelvane {

namespace {
struct TNamedKey {
    std::uint8_t Key;
    const char* Name;
};

// Keys with names of their own; letters, digits and F1..F12 are made below.
constexpr std::array kNamedKeys{
    TNamedKey{0x08, "BkSp"}, TNamedKey{0x09, "Tab"},   TNamedKey{0x0d, "Enter"},
    TNamedKey{0x1b, "Esc"},  TNamedKey{0x20, "Space"}, TNamedKey{0x21, "PgUp"},
    TNamedKey{0x22, "PgDn"}, TNamedKey{0x23, "End"},   TNamedKey{0x24, "Home"},
    TNamedKey{0x25, "Left"}, TNamedKey{0x26, "Up"},    TNamedKey{0x27, "Right"},
    TNamedKey{0x28, "Down"}, TNamedKey{0x2d, "Ins"},   TNamedKey{0x2e, "Del"},
};

constexpr std::uint8_t kF1 = 0x70;
constexpr int kFunctionKeys = 12;

std::string KeyName(std::uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= kF1 && key < kF1 + kFunctionKeys) return "F" + std::to_string(key - kF1 + 1);
    for (const auto& named : kNamedKeys)
        if (named.Key == key) return named.Name;
    return {};
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<std::uint8_t> KeyByName(std::string_view name) {
    for (int key = 0; key <= 0xff; ++key) {
        const auto known = KeyName(static_cast<std::uint8_t>(key));
        if (!known.empty() && SameIgnoringCase(known, name)) return static_cast<std::uint8_t>(key);
    }
    return std::nullopt;
}

struct TModifier {
    std::uint16_t Bit;
    std::string_view Prefix;
};
constexpr std::array kModifiers{TModifier{scShift, "Shift+"}, TModifier{scCtrl, "Ctrl+"},
                                TModifier{scAlt, "Alt+"}};
} // namespace

std::string ShortCutToText(std::uint16_t shortCut) {
    const auto name = KeyName(static_cast<std::uint8_t>(shortCut & 0xff));
    if (name.empty()) return {};
    std::string text;
    for (const auto& modifier : kModifiers)
        if (shortCut & modifier.Bit) text += modifier.Prefix;
    return text + name;
}

std::uint16_t TextToShortCut(std::string_view text) {
    std::uint16_t modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& modifier : kModifiers) {
            const auto& prefix = modifier.Prefix;
            if (text.size() > prefix.size() &&
                SameIgnoringCase(text.substr(0, prefix.size()), prefix)) {
                modifiers |= modifier.Bit;
                text.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    const auto key = KeyByName(text);
    return key ? static_cast<std::uint16_t>(modifiers | *key) : 0;
}

std::vector<std::string> OfferedShortCutTexts() {
    std::vector<std::string> texts;
    for (const char* prefix : {"Ctrl+", "Ctrl+Alt+"})
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            texts.push_back(prefix + std::string(1, letter));
    for (const char* prefix : {"", "Ctrl+", "Shift+", "Shift+Ctrl+"})
        for (int number = 1; number <= kFunctionKeys; ++number)
            texts.push_back(prefix + ("F" + std::to_string(number)));
    for (const char* text : {"Ins", "Shift+Ins", "Ctrl+Ins", "Del", "Shift+Del", "Ctrl+Del",
                             "Alt+BkSp", "Shift+Alt+BkSp"})
        texts.push_back(text);
    return texts;
}

} // namespace brelvane
