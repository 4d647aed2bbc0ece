#pragma once

#include <cstdint>
#include <string>

namespace brelvane {

// clInfoBk: the system colour of tool tips, the editing area's default.
inline constexpr std::int32_t kInfoBackgroundColor = static_cast<std::int32_t>(0x80000018u);

// The designer's own settings in "Brelvane.ini" beside the program.
struct TDesignerSettings {
    bool DisplayGrid = true;
    bool SnapToGrid = true;
    int GridSizeX = 8;
    int GridSizeY = 8;
    std::int32_t BackColor = kInfoBackgroundColor;
};

// Grid steps the designer accepts; others keep the default (0 divides by zero).
inline constexpr int kSmallestGridSize = 2;
inline constexpr int kLargestGridSize = 99;

// [SETTINGS] of the file; unreadable values keep their defaults.
TDesignerSettings ReadDesignerSettings(const std::string& iniPath);
// Writes all five keys of [SETTINGS]; false when the file cannot be written.
bool WriteDesignerSettings(const std::string& iniPath, const TDesignerSettings& settings);

// [START] DefaultPath: the base folder of the last saved project.
bool WriteDefaultPath(const std::string& iniPath, const std::string& baseFolder);
// [SYSTEM] Version: the designer version whose What's New box was switched off.
std::string ReadTipsVersion(const std::string& iniPath);
bool WriteTipsVersion(const std::string& iniPath, const std::string& version);

} // namespace brelvane
