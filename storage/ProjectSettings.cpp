#include "storage/ProjectSettings.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

#include <bit>
#include <cerrno>

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

bool WriteInstallWare(TStream& stream, const TInstallWare& record) {
    return Transfer(kWriteInstallWareError, [&] {
        if (!WriteString(stream, record.Executable) || !WriteString(stream, record.Parameters) ||
            !WriteString(stream, record.StartFolder))
            return false;
        WriteField(stream, record.Wait);
        WriteField(stream, record.When);
        if (!WriteString(stream, record.FileType) || !WriteString(stream, record.ReservedText))
            return false;
        WriteField(stream, record.ReservedNumber);
        WriteField(stream, record.Prompt);
        if (!WriteString(stream, record.PromptCaption) || !WriteString(stream, record.PromptText))
            return false;
        WriteField(stream, record.AllowSkip);
        return true;
    });
}

bool ReadInstallWare(TStream& stream, TInstallWare& record) {
    return Transfer(kReadInstallWareError, [&] {
        if (!ReadString(stream, record.Executable) || !ReadString(stream, record.Parameters) ||
            !ReadString(stream, record.StartFolder))
            return false;
        ReadField(stream, record.Wait);
        ReadField(stream, record.When);
        if (!ReadString(stream, record.FileType) || !ReadString(stream, record.ReservedText))
            return false;
        ReadField(stream, record.ReservedNumber);
        ReadField(stream, record.Prompt);
        if (!ReadString(stream, record.PromptCaption) || !ReadString(stream, record.PromptText))
            return false;
        ReadField(stream, record.AllowSkip);
        return true;
    });
}

bool WriteSettings(TStream& stream, const TSettings& settings) {
    return Transfer(kWriteSettingsError, [&] {
        const THintSettings defaults;
        const THintSettings& hint = settings.Hint ? *settings.Hint : defaults;
        if (!WriteString(stream, settings.ApplicationTitle)) return false;
        WriteField(stream, settings.ApplicationStyle);
        if (!WriteString(stream, settings.TabSheetList) || !WriteFont(stream, settings.TabFont))
            return false;
        WriteField(stream, settings.ShowSheetIcons);
        WriteField(stream, settings.IconSize);
        WriteField(stream, hint.UseCustomizedHint);
        WriteField(stream, hint.Direction);
        if (!WriteFont(stream, hint.Font)) return false;
        WriteField(stream, hint.Color);
        WriteField(stream, hint.ShowPause);
        WriteField(stream, hint.HidePause);
        WriteField(stream, hint.BorderColor);
        WriteField(stream, hint.ShadowColor);
        WriteField(stream, hint.BackStyle);
        WriteField(stream, hint.GradientColor);
        if (!WritePicture(stream, hint.BackImage)) return false;
        WriteField(stream, hint.ShadowOffset);
        WriteField(stream, settings.RequireAdmin);
        WriteField(stream, settings.Reserved1);
        WriteField(stream, settings.Reserved2);
        WriteField(stream, settings.Reserved3);
        WriteField(stream, settings.Reserved5);
        if (!WriteString(stream, settings.AdminMessage) ||
            !WriteString(stream, settings.Reserved4) || !WriteString(stream, settings.Reserved6))
            return false;
        WriteField<std::int32_t>(stream, static_cast<std::int32_t>(settings.InstallWares.size()));
        for (const auto& record : settings.InstallWares)
            if (!WriteInstallWare(stream, *record)) return false;
        return true;
    });
}

bool ReadSettings(TStream& stream, TSettings& settings) {
    return Transfer(kReadSettingsError, [&] {
        if (!settings.Hint) settings.Hint = std::make_unique<THintSettings>();
        THintSettings& hint = *settings.Hint;
        if (!ReadString(stream, settings.ApplicationTitle)) return false;
        ReadField(stream, settings.ApplicationStyle);
        if (!ReadString(stream, settings.TabSheetList) || !ReadFont(stream, settings.TabFont))
            return false;
        ReadField(stream, settings.ShowSheetIcons);
        ReadField(stream, settings.IconSize);
        ReadField(stream, hint.UseCustomizedHint);
        ReadField(stream, hint.Direction);
        if (!ReadFont(stream, hint.Font)) return false;
        ReadField(stream, hint.Color);
        ReadField(stream, hint.ShowPause);
        ReadField(stream, hint.HidePause);
        ReadField(stream, hint.BorderColor);
        ReadField(stream, hint.ShadowColor);
        ReadField(stream, hint.BackStyle);
        ReadField(stream, hint.GradientColor);
        if (!ReadPicture(stream, hint.BackImage)) return false;
        ReadField(stream, hint.ShadowOffset);
        ReadField(stream, settings.RequireAdmin);
        ReadField(stream, settings.Reserved1);
        ReadField(stream, settings.Reserved2);
        ReadField(stream, settings.Reserved3);
        ReadField(stream, settings.Reserved5);
        if (!ReadString(stream, settings.AdminMessage) || !ReadString(stream, settings.Reserved4) ||
            !ReadString(stream, settings.Reserved6))
            return false;
        settings.InstallWares.clear();
        const auto count = ReadField<std::int32_t>(stream);
        if (count < 0) {
            errno = 0;
            throw StreamError("bad install-ware count");
        }
        for (std::int32_t i = 0; i < count; ++i) {
            auto record = std::make_unique<TInstallWare>();
            if (!ReadInstallWare(stream, *record)) return false;
            settings.InstallWares.push_back(std::move(record));
        }
        return true;
    });
}

} // namespace brelvane
