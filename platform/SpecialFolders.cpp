#include "platform/SpecialFolders.h"

#include "platform/SystemFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace brelvane::platform {

namespace {
// With slashes, as the program keeps paths on every system.
std::string WithoutTrailingSeparator(QString path) {
    path = QDir::fromNativeSeparators(path);
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path.toStdString();
}

struct TFolderRow {
    const char* Name;
    int Csidl;
};

// Names and CSIDL numbers as Windows publishes them, in index order.
constexpr TFolderRow kRows[kSpecialFolderCount] = {
    {"Desktop", 0},
    {"Internet", 1},
    {"Programs", 2},
    {"Controls", 3},
    {"Printers", 4},
    {"Personal", 5},
    {"Favorites", 6},
    {"Startup", 7},
    {"Recent", 8},
    {"SendTo", 9},
    {"BitBucket", 10},
    {"StartMenu", 11},
    {"MyDocuments", 12},
    {"MyMusic", 13},
    {"MyVideo", 14},
    {"DesktopDirectory", 16},
    {"Drives", 17},
    {"Network", 18},
    {"Nethood", 19},
    {"Fonts", 20},
    {"Templates", 21},
    {"CommonStartMenu", 22},
    {"CommonPrograms", 23},
    {"CommonStartup", 24},
    {"CommonDesktopDirectory", 25},
    {"AppData", 26},
    {"Printhood", 27},
    {"LocalAppData", 28},
    {"ALTStartup", 29},
    {"CommonALTStartup", 30},
    {"CommonFavorites", 31},
    {"InternetCache", 32},
    {"Cookies", 33},
    {"History", 34},
    {"CommonAppData", 35},
    {"Windows", 36},
    {"System", 37},
    {"ProgramFiles", 38},
    {"MyPictures", 39},
    {"Profile", 40},
    {"SystemX86", 41},
    {"ProgramFilesX86", 42},
    {"ProgramFilesCommon", 43},
    {"ProgramFilesCommonX86", 44},
    {"CommonTemplates", 45},
    {"CommonDocuments", 46},
    {"CommonAdminTools", 47},
    {"AdminTools", 48},
    {"Connections", 49},
    {"CommonMusic", 53},
    {"CommonPictures", 54},
    {"CommonVideo", 55},
    {"Resources", 56},
    {"ResourcesLocalized", 57},
    {"CommonOEMLinks", 58},
    {"CDBurnArea", 59},
    {"ComputersNearMe", 61},
};

} // namespace

std::string DocumentsFolder() {
    return WithoutTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string TempFolder() {
    return WithoutTrailingSeparator(QDir::tempPath());
}

const std::array<TSpecialFolderInfo, kSpecialFolderCount>& SpecialFolders() {
    static const auto table = [] {
        std::array<TSpecialFolderInfo, kSpecialFolderCount> infos;
        for (int index = 0; index < kSpecialFolderCount; ++index)
            infos[index] = {static_cast<std::uint8_t>(index), kRows[index].Name};
        return infos;
    }();
    return table;
}

int SpecialFolderCsidl(int index) {
    return index >= 0 && index < kSpecialFolderCount ? kRows[index].Csidl : -1;
}

std::string SpecialFolderPath(int index) {
    const auto folder = SystemFolder(SpecialFolderCsidl(index));
    return folder.isEmpty() ? std::string() : WithoutTrailingSeparator(folder);
}

std::string ResolveSpecialFolder(const std::string& token) {
    if (token.size() <= 2 || token.front() != '[' || token.back() != ']') return {};
    const auto name = token.substr(1, token.size() - 2);
    for (const auto& info : SpecialFolders())
        if (info.Name == name) return SpecialFolderPath(info.Index);
    return {};
}

} // namespace brelvane::platform
