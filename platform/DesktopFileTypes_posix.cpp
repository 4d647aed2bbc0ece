#include "platform/DesktopFileTypes_posix.h"

#include "platform/IniFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <map>
#include <set>
#include <utility>

namespace brelvane::platform {

namespace {
constexpr char kEntryGroup[] = "Desktop Entry";
// Every type inherits from it; a program claiming it views nothing in particular.
const QString kAnyData = "application/octet-stream";

// The XDG rule for a list of folders: relative entries are ignored.
QStringList AbsoluteFolders(const QString& list, const QStringList& fallback) {
    QStringList folders;
    for (const auto& folder : list.split(':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder)) folders << folder;
    return folders.isEmpty() ? fallback : folders;
}

QString AbsoluteFolder(const char* variable, const QString& fallback) {
    const auto folder = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(folder) ? folder : fallback;
}

// "a.desktop;b.desktop;" as its entries.
QStringList ListValue(const IniFile& file, const char* group, const QString& key) {
    const auto value = file.Value(group, key.toStdString(), "");
    QStringList entries;
    for (const auto& entry : QString::fromStdString(value).split(';', Qt::SkipEmptyParts))
        entries << entry.trimmed();
    return entries;
}

QStringList DataFolders(const TXdgFolders& folders) {
    return QStringList{folders.DataHome} + folders.DataDirs;
}

// Desktop files by their id (the path below "applications" with "-" for "/");
// the first folder that holds an id hides the later ones.
std::map<QString, QString> DesktopFiles(const TXdgFolders& folders) {
    std::map<QString, QString> files;
    for (const auto& folder : DataFolders(folders)) {
        const QDir applications(folder + "/applications");
        QDirIterator entries(applications.path(), {"*.desktop"}, QDir::Files,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const auto path = entries.next();
            files.emplace(applications.relativeFilePath(path).replace('/', '-'), path);
        }
    }
    return files;
}

// The mimeapps.list files, most important first.
QStringList MimeAppsLists(const TXdgFolders& folders) {
    QStringList lists;
    const auto addFrom = [&](const QString& folder) {
        for (const auto& desktop : folders.CurrentDesktops)
            lists << folder + "/" + desktop + "-mimeapps.list";
        lists << folder + "/mimeapps.list";
    };
    for (const auto& folder : QStringList{folders.ConfigHome} + folders.ConfigDirs)
        addFrom(folder);
    for (const auto& folder : DataFolders(folders))
        addFrom(folder + "/applications");
    return lists;
}

// An application that can be started: not deleted and its TryExec program present.
bool IsStartable(const IniFile& entry) {
    if (entry.Value(kEntryGroup, "Hidden", "") == "true") return false;
    if (entry.Value(kEntryGroup, "Type", "Application") != "Application") return false;
    const auto tryExec = QString::fromStdString(entry.Value(kEntryGroup, "TryExec", ""));
    return tryExec.isEmpty() || !QStandardPaths::findExecutable(tryExec).isEmpty();
}

// The extension's MIME type with its aliases and the types it inherits from.
QStringList TypesFor(const std::string& extension) {
    auto suffix = QFile::decodeName(QByteArray::fromStdString(extension));
    while (suffix.startsWith('.'))
        suffix.remove(0, 1);
    if (suffix.isEmpty()) return {};
    const auto type =
        QMimeDatabase().mimeTypeForFile("file." + suffix, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) return {};
    auto types = QStringList{type.name()} + type.aliases() + type.allAncestors();
    types.removeAll(kAnyData);
    return types;
}
} // namespace

TXdgFolders TXdgFolders::FromEnvironment() {
    const auto home = QDir::homePath();
    TXdgFolders folders;
    folders.ConfigHome = AbsoluteFolder("XDG_CONFIG_HOME", home + "/.config");
    folders.ConfigDirs = AbsoluteFolders(qEnvironmentVariable("XDG_CONFIG_DIRS"), {"/etc/xdg"});
    folders.DataHome = AbsoluteFolder("XDG_DATA_HOME", home + "/.local/share");
    folders.DataDirs =
        AbsoluteFolders(qEnvironmentVariable("XDG_DATA_DIRS"), {"/usr/local/share", "/usr/share"});
    for (const auto& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':', Qt::SkipEmptyParts))
        folders.CurrentDesktops << desktop.toLower();
    return folders;
}

DesktopFileTypes::DesktopFileTypes(TXdgFolders folders) : folders_(std::move(folders)) {}

bool DesktopFileTypes::HasViewerFor(const std::string& extension) {
    const auto types = TypesFor(extension);
    if (types.isEmpty()) return false;
    const auto files = DesktopFiles(folders_);
    const auto startable = [&](const QString& id) {
        const auto file = files.find(id);
        return file != files.end() && IsStartable(IniFile::Load(file->second.toStdString()));
    };

    // A list's removals apply to the lists after it and to the desktop files.
    std::set<std::pair<QString, QString>> removed;
    for (const auto& path : MimeAppsLists(folders_)) {
        if (!QFile::exists(path)) continue;
        const auto list = IniFile::Load(path.toStdString());
        for (const auto& type : types) {
            for (const auto& id : ListValue(list, "Default Applications", type))
                if (startable(id)) return true;
            for (const auto& id : ListValue(list, "Added Associations", type))
                if (!removed.contains({type, id}) && startable(id)) return true;
        }
        for (const auto& type : types)
            for (const auto& id : ListValue(list, "Removed Associations", type))
                removed.insert({type, id});
    }

    for (const auto& [id, path] : files) {
        const auto entry = IniFile::Load(path.toStdString());
        if (!IsStartable(entry)) continue;
        for (const auto& type : ListValue(entry, kEntryGroup, "MimeType"))
            if (types.contains(type, Qt::CaseInsensitive) && !removed.contains({type, id}))
                return true;
    }
    return false;
}

std::unique_ptr<FileTypes> CreateSystemFileTypes() {
    return std::make_unique<DesktopFileTypes>(TXdgFolders::FromEnvironment());
}

} // namespace brelvane::platform
