#include "ProjectJson.h"

#include "storage/AnsiCodePage.h"

namespace brelvane {

using json = nlohmann::ordered_json;

namespace {
std::string Text(const std::string& ansi) {
    return AnsiToUtf8(ansi);
}

json HintToJson(const THintSettings& hint) {
    return {{"UseCustomizedHint", hint.UseCustomizedHint},
            {"Direction", hint.Direction},
            {"Font", FontToJson(hint.Font)},
            {"Color", hint.Color},
            {"ShowPause", hint.ShowPause},
            {"HidePause", hint.HidePause},
            {"BorderColor", hint.BorderColor},
            {"ShadowColor", hint.ShadowColor},
            {"BackStyle", hint.BackStyle},
            {"GradientColor", hint.GradientColor},
            {"BackImage", PictureToJson(hint.BackImage)},
            {"ShadowOffset", hint.ShadowOffset}};
}

json InstallWareToJson(const TInstallWare& record) {
    return {{"Executable", Text(record.Executable)},
            {"Parameters", Text(record.Parameters)},
            {"StartFolder", Text(record.StartFolder)},
            {"Wait", record.Wait},
            {"When", record.When},
            {"FileType", Text(record.FileType)},
            {"ReservedText", Text(record.ReservedText)},
            {"ReservedNumber", record.ReservedNumber},
            {"Prompt", record.Prompt},
            {"PromptCaption", Text(record.PromptCaption)},
            {"PromptText", Text(record.PromptText)},
            {"AllowSkip", record.AllowSkip}};
}
} // namespace

json FontToJson(const TFont& font) {
    return {{"Name", Text(font.Name)},
            {"Color", font.Color},
            {"Size", font.Size},
            {"Style", font.Style}};
}

json PictureToJson(const TPicture& picture) {
    return {{"class", std::string(PictureClassName(picture.Kind))}, {"size", picture.Data.size()}};
}

json SettingsToJson(const TSettings& settings) {
    json wares = json::array();
    for (const auto& record : settings.InstallWares)
        wares.push_back(InstallWareToJson(*record));
    return {{"ApplicationTitle", Text(settings.ApplicationTitle)},
            {"ApplicationStyle", settings.ApplicationStyle},
            {"TabSheetList", Text(settings.TabSheetList)},
            {"TabFont", FontToJson(settings.TabFont)},
            {"ShowSheetIcons", settings.ShowSheetIcons},
            {"IconSize", settings.IconSize},
            {"Hint", settings.Hint ? HintToJson(*settings.Hint) : json()},
            {"InstallWares", wares},
            {"RequireAdmin", settings.RequireAdmin},
            {"AdminMessage", Text(settings.AdminMessage)},
            {"Reserved1", settings.Reserved1},
            {"Reserved2", settings.Reserved2},
            {"Reserved3", settings.Reserved3},
            {"Reserved4", Text(settings.Reserved4)},
            {"Reserved5", settings.Reserved5},
            {"Reserved6", Text(settings.Reserved6)}};
}

json ProjectIndexToJson(const TProjectIndex& index) {
    json pages = json::array();
    for (const auto& page : index.Pages)
        pages.push_back(
            {{"Name", Text(page->Name)}, {"Kind", page->Kind}, {"Offset", page->Offset}});
    return {{"settings", SettingsToJson(index.Settings)}, {"pages", pages}};
}

} // namespace brelvane
