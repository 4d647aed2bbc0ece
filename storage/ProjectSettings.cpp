#include "storage/ProjectSettings.h"

#include <bit>

namespace brelvane {

TSettings::TSettings(const TSettings& other)
    : ApplicationTitle(other.ApplicationTitle), ApplicationStyle(other.ApplicationStyle),
      TabSheetList(other.TabSheetList), TabFont(other.TabFont),
      ShowSheetIcons(other.ShowSheetIcons), IconSize(other.IconSize),
      Hint(other.Hint ? std::make_unique<THintSettings>(*other.Hint) : nullptr),
      RequireAdmin(other.RequireAdmin), AdminMessage(other.AdminMessage),
      Reserved1(other.Reserved1), Reserved2(other.Reserved2), Reserved3(other.Reserved3),
      Reserved4(other.Reserved4), Reserved5(other.Reserved5), Reserved6(other.Reserved6) {
    for (const auto& record : other.InstallWares)
        InstallWares.push_back(std::make_unique<TInstallWare>(*record));
}

TSettings& TSettings::operator=(const TSettings& other) {
    if (this != &other) *this = TSettings(other);
    return *this;
}

bool TSettings::operator==(const TSettings& other) const {
    const auto sameHint = (!Hint && !other.Hint) || (Hint && other.Hint && *Hint == *other.Hint);
    const auto sameWares =
        InstallWares.size() == other.InstallWares.size() &&
        std::equal(InstallWares.begin(), InstallWares.end(), other.InstallWares.begin(),
                   [](const auto& a, const auto& b) { return *a == *b; });
    return sameHint && sameWares && ApplicationTitle == other.ApplicationTitle &&
           ApplicationStyle == other.ApplicationStyle && TabSheetList == other.TabSheetList &&
           TabFont == other.TabFont && ShowSheetIcons == other.ShowSheetIcons &&
           IconSize == other.IconSize && RequireAdmin == other.RequireAdmin &&
           AdminMessage == other.AdminMessage && Reserved1 == other.Reserved1 &&
           // Opaque stored bytes: a NaN or -0 must compare like any other value.
           std::bit_cast<std::uint64_t>(Reserved2) ==
               std::bit_cast<std::uint64_t>(other.Reserved2) &&
           Reserved3 == other.Reserved3 && Reserved4 == other.Reserved4 &&
           Reserved5 == other.Reserved5 && Reserved6 == other.Reserved6;
}

void ResetSettings(TSettings& settings) {
    settings = TSettings();
}

void FreeSettings(TSettings& settings) {
    settings.Hint.reset();
    settings.InstallWares.clear();
    settings.TabFont = TFont();
}

} // namespace brelvane
