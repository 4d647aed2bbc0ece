#pragma once

#include "storage/ByteStream.h"
#include "storage/Fields.h"
#include "storage/FontBlock.h"
#include "storage/PictureBlock.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brelvane {

enum : int {
    kReadInstallWareError = 1061,
    kWriteInstallWareError = 1062,
    kReadSettingsError = 1063,
    kWriteSettingsError = 1064,
};

// Customized hint appearance.
struct THintSettings {
    bool UseCustomizedHint = false;
    std::uint8_t Direction = 0; // 0 UpRight, 1 UpLeft, 2 DownRight, 3 DownLeft
    TFont Font = [] {
        TFont font;
        font.Size = 10;
        font.Style = fsBold;
        return font;
    }();
    std::int32_t Color = 65535;
    std::int32_t ShowPause = 500;
    std::int32_t HidePause = 2500;
    std::int32_t BorderColor = 0;
    std::int32_t ShadowColor = 8421504;
    std::int32_t BackStyle = 0;
    std::int32_t GradientColor = 255;
    TPicture BackImage;
    std::int32_t ShadowOffset = 5;
    bool operator==(const THintSettings&) const = default;
};

// One software installation tested at start.
struct TInstallWare {
    static constexpr TRecordCodes Codes{kWriteInstallWareError, kReadInstallWareError};
    std::string Executable;
    std::string Parameters;
    std::string StartFolder;
    bool Wait = true;
    std::int32_t When = 0; // 0 "If no viewer for file type", 1 "Always"
    std::string FileType;
    std::string ReservedText;
    std::int32_t ReservedNumber = 0;
    bool Prompt = true;
    std::string PromptCaption = "Install Software";
    std::string PromptText;
    bool AllowSkip = true;
    bool operator==(const TInstallWare&) const = default;
};

inline constexpr const char* kDefaultAdminMessage =
    "You need the administrative privilege to launch this CD.";

// The project-wide settings. Owned parts are held by value or unique_ptr and
// freed with the settings.
struct TSettings {
    static constexpr TRecordCodes Codes{kWriteSettingsError, kReadSettingsError};
    std::string ApplicationTitle;
    std::int32_t ApplicationStyle = 0; // 0 "Normal", 1 "Tabbed Notebook"
    std::string TabSheetList;
    TFont TabFont;
    bool ShowSheetIcons = false;
    std::int32_t IconSize = 16;
    std::unique_ptr<THintSettings> Hint = std::make_unique<THintSettings>();
    std::vector<std::unique_ptr<TInstallWare>> InstallWares;
    bool RequireAdmin = false;
    std::string AdminMessage = kDefaultAdminMessage;
    std::int32_t Reserved1 = 0;
    double Reserved2 = 0;
    std::int32_t Reserved3 = 0;
    std::string Reserved4;
    std::uint8_t Reserved5 = 0;
    std::string Reserved6;

    TSettings() = default;
    TSettings(const TSettings& other);
    TSettings& operator=(const TSettings& other);
    TSettings(TSettings&&) noexcept = default;
    TSettings& operator=(TSettings&&) noexcept = default;
    bool operator==(const TSettings& other) const;
};

template <class Archive> bool Fields(Archive& ar, THintSettings& hint) {
    return ar("UseCustomizedHint", hint.UseCustomizedHint) && ar("Direction", hint.Direction) &&
           ar("Font", hint.Font) && ar("Color", hint.Color) && ar("ShowPause", hint.ShowPause) &&
           ar("HidePause", hint.HidePause) && ar("BorderColor", hint.BorderColor) &&
           ar("ShadowColor", hint.ShadowColor) && ar("BackStyle", hint.BackStyle) &&
           ar("GradientColor", hint.GradientColor) && ar("BackImage", hint.BackImage) &&
           ar("ShadowOffset", hint.ShadowOffset);
}

template <class Archive> bool Fields(Archive& ar, TInstallWare& record) {
    return ar("Executable", record.Executable) && ar("Parameters", record.Parameters) &&
           ar("StartFolder", record.StartFolder) && ar("Wait", record.Wait) &&
           ar("When", record.When) && ar("FileType", record.FileType) &&
           ar("ReservedText", record.ReservedText) && ar("ReservedNumber", record.ReservedNumber) &&
           ar("Prompt", record.Prompt) && ar("PromptCaption", record.PromptCaption) &&
           ar("PromptText", record.PromptText) && ar("AllowSkip", record.AllowSkip);
}

// The hint settings are stored inline; the install-ware records last.
template <class Archive> bool Fields(Archive& ar, TSettings& settings) {
    return ar("ApplicationTitle", settings.ApplicationTitle) &&
           ar("ApplicationStyle", settings.ApplicationStyle) &&
           ar("TabSheetList", settings.TabSheetList) && ar("TabFont", settings.TabFont) &&
           ar("ShowSheetIcons", settings.ShowSheetIcons) && ar("IconSize", settings.IconSize) &&
           ar("Hint", Owned(settings.Hint)) && ar("RequireAdmin", settings.RequireAdmin) &&
           ar("Reserved1", settings.Reserved1) && ar("Reserved2", settings.Reserved2) &&
           ar("Reserved3", settings.Reserved3) && ar("Reserved5", settings.Reserved5) &&
           ar("AdminMessage", settings.AdminMessage) && ar("Reserved4", settings.Reserved4) &&
           ar("Reserved6", settings.Reserved6) && ar("InstallWares", settings.InstallWares);
}

// Every field back to its default, owned parts created anew.
void ResetSettings(TSettings& settings);
// Releases the owned parts (hint settings, install-ware records, tab font).
void FreeSettings(TSettings& settings);

inline constexpr auto WriteSettings = &WriteRecord<TSettings>;
inline constexpr auto ReadSettings = &ReadRecord<TSettings>;
inline constexpr auto WriteInstallWare = &WriteRecord<TInstallWare>;
inline constexpr auto ReadInstallWare = &ReadRecord<TInstallWare>;

} // namespace brelvane
