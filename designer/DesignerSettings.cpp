#include "designer/DesignerSettings.h"

#include "platform/IniFile.h"

#include <optional>

namespace brelvane {

namespace {
constexpr char kSettings[] = "SETTINGS";

std::optional<long long> Number(const platform::IniFile& ini, const char* key) {
    const auto text = ini.Value(kSettings, key);
    if (!text || text->empty()) return std::nullopt;
    try {
        std::size_t used = 0;
        const long long value = std::stoll(*text, &used);
        if (used != text->size()) return std::nullopt;
        return value;
    } catch (...) {
        return std::nullopt;
    }
}

void ReadFlag(const platform::IniFile& ini, const char* key, bool& flag) {
    if (const auto value = Number(ini, key); value && (*value == 0 || *value == 1))
        flag = *value == 1;
}

void ReadGridSize(const platform::IniFile& ini, const char* key, int& size) {
    if (const auto value = Number(ini, key);
        value && *value >= kSmallestGridSize && *value <= kLargestGridSize)
        size = static_cast<int>(*value);
}

bool Change(const std::string& iniPath, const char* section, const char* key,
            const std::string& value) {
    auto ini = platform::IniFile::Load(iniPath);
    ini.SetValue(section, key, value);
    return ini.Save(iniPath);
}
} // namespace

TDesignerSettings ReadDesignerSettings(const std::string& iniPath) {
    const auto ini = platform::IniFile::Load(iniPath);
    TDesignerSettings settings;
    ReadFlag(ini, "DISPLAYGRID", settings.DisplayGrid);
    ReadFlag(ini, "SNAPTOGRID", settings.SnapToGrid);
    ReadGridSize(ini, "GRIDSIZEX", settings.GridSizeX);
    ReadGridSize(ini, "GRIDSIZEY", settings.GridSizeY);
    if (const auto color = Number(ini, "BACKCOLOR");
        color && *color >= INT32_MIN && *color <= INT32_MAX)
        settings.BackColor = static_cast<std::int32_t>(*color);
    return settings;
}

bool WriteDesignerSettings(const std::string& iniPath, const TDesignerSettings& settings) {
    auto ini = platform::IniFile::Load(iniPath);
    ini.SetValue(kSettings, "DISPLAYGRID", settings.DisplayGrid ? "1" : "0");
    ini.SetValue(kSettings, "SNAPTOGRID", settings.SnapToGrid ? "1" : "0");
    ini.SetValue(kSettings, "GRIDSIZEX", std::to_string(settings.GridSizeX));
    ini.SetValue(kSettings, "GRIDSIZEY", std::to_string(settings.GridSizeY));
    ini.SetValue(kSettings, "BACKCOLOR", std::to_string(settings.BackColor));
    return ini.Save(iniPath);
}

bool WriteDefaultPath(const std::string& iniPath, const std::string& baseFolder) {
    return Change(iniPath, "START", "DefaultPath", baseFolder);
}

std::string ReadTipsVersion(const std::string& iniPath) {
    return platform::IniFile::Load(iniPath).Value("SYSTEM", "Version", "");
}

bool WriteTipsVersion(const std::string& iniPath, const std::string& version) {
    return Change(iniPath, "SYSTEM", "Version", version);
}

} // namespace brelvane
