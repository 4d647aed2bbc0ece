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

using Q = QStandardPaths;

// Names and CSIDL numbers as Windows publishes them, in index order, with the
// folder each one stands for on a freedesktop.org desktop (Windows asks its
// shell instead). Common (all users) folders are the system-wide XDG folders;
// the applications menu stands for the Start menu.
const TFolderRow kRows[kSpecialFolderCount] = {
    {"Desktop", 0, TBase::User, Q::DesktopLocation},
    {"Internet", 1},
    {"Programs", 2, TBase::User, Q::ApplicationsLocation},
    {"Controls", 3},
    {"Printers", 4},
    {"Personal", 5, TBase::User, Q::DocumentsLocation},
    {"Favorites", 6},
    {"Startup", 7, TBase::User, Q::GenericConfigLocation, "/autostart"},
    {"Recent", 8},
    {"SendTo", 9},
    {"BitBucket", 10},
    {"StartMenu", 11, TBase::User, Q::ApplicationsLocation},
    {"MyDocuments", 12, TBase::User, Q::DocumentsLocation},
    {"MyMusic", 13, TBase::User, Q::MusicLocation},
    {"MyVideo", 14, TBase::User, Q::MoviesLocation},
    {"DesktopDirectory", 16, TBase::User, Q::DesktopLocation},
    {"Drives", 17},
    {"Network", 18},
    {"Nethood", 19},
    {"Fonts", 20, TBase::User, Q::FontsLocation},
    {"Templates", 21, TBase::User, Q::TemplatesLocation},
    {"CommonStartMenu", 22, TBase::System, Q::GenericDataLocation, "/applications"},
    {"CommonPrograms", 23, TBase::System, Q::GenericDataLocation, "/applications"},
    {"CommonStartup", 24, TBase::System, Q::GenericConfigLocation, "/autostart"},
    {"CommonDesktopDirectory", 25},
    {"AppData", 26, TBase::User, Q::GenericConfigLocation},
    {"Printhood", 27},
    {"LocalAppData", 28, TBase::User, Q::GenericDataLocation},
    {"ALTStartup", 29, TBase::User, Q::GenericConfigLocation, "/autostart"},
    {"CommonALTStartup", 30, TBase::System, Q::GenericConfigLocation, "/autostart"},
    {"CommonFavorites", 31},
    {"InternetCache", 32, TBase::User, Q::GenericCacheLocation},
    {"Cookies", 33},
    {"History", 34},
    {"CommonAppData", 35, TBase::System, Q::GenericDataLocation},
    {"Windows", 36},
    {"System", 37},
    {"ProgramFiles", 38},
    {"MyPictures", 39, TBase::User, Q::PicturesLocation},
    {"Profile", 40, TBase::User, Q::HomeLocation},
    {"SystemX86", 41},
    {"ProgramFilesX86", 42},
    {"ProgramFilesCommon", 43},
    {"ProgramFilesCommonX86", 44},
    {"CommonTemplates", 45},
    {"CommonDocuments", 46, TBase::User, Q::PublicShareLocation},
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
    if (index < 0 || index >= kSpecialFolderCount) return {};
    const auto folder = SystemFolder(kRows[index]);
    return folder.isEmpty() ? std::string() : WithoutTrailingSeparator(folder);
}

bool IsSpecialFolderToken(const std::string& token) {
    return token.size() > 2 && token.front() == '[' && token.back() == ']';
}

std::string ResolveSpecialFolder(const std::string& token) {
    if (!IsSpecialFolderToken(token)) return {};
    const auto name = token.substr(1, token.size() - 2);
    for (const auto& info : SpecialFolders())
        if (info.Name == name) return SpecialFolderPath(info.Index);
    return {};
}

} // namespace brelvane::platform
