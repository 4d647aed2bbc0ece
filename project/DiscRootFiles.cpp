#include "project/DiscRootFiles.h"

#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/FileSystem.h"
#include "storage/ProjectIndex.h"
#include "storage/SaveFile.h"
#include "storage/Transfer.h"

#include <cerrno>
#include <filesystem>
#include <vector>

namespace brelvane {

namespace {
constexpr unsigned kExecutableMode = 0755;

// `mode` 0 leaves the file's mode as the file system made it; systems without
// mode bits take what they can of it.
void SetFileMode(const std::string& path, unsigned mode) {
    if (mode == 0) return;
    std::error_code error;
    std::filesystem::permissions(NativePath(path),
                                 static_cast<std::filesystem::perms>(mode & 07777), error);
    if (error) {
        errno = error.value();
        throw StreamError("cannot set the mode of " + path);
    }
}

// The file name of a root file as it is on disk when it exists in another case.
std::string RootFile(const std::string& baseFolder, const std::string& name) {
    return ResolvePath(baseFolder + "/" + name);
}

// `mode` 0 leaves the new file's mode as the file system makes it.
void WriteTextAtomically(const std::string& path, const std::string& text, unsigned mode) {
    SaveFileAtomically(path, [&](TStream& stream) {
        stream.Write(text.data(), text.size());
        return true;
    });
    SetFileMode(path, mode);
}

bool WriteRootText(const std::string& path, const std::string& text, unsigned mode) {
    return FileTransfer(kCopyPlayerError, path, [&] {
        WriteTextAtomically(path, text, mode);
        return true;
    });
}

bool PlayerIsCurrent(const std::string& player, const TDiscRootSources& sources) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(player, error)) return false;
    if (!sources.ReadFileVersion) return true;
    return sources.ReadFileVersion(player) == sources.DesignerVersion;
}
} // namespace

std::string AutorunInfText() {
    return "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n";
}

std::string AutorunScriptText(const std::string& player) {
    return "#!/bin/sh\ncd \"$(dirname \"$0\")\" && exec ./" + player + " \"$@\"\n";
}

void WriteAutorunScript(const std::string& path, const std::string& player) {
    WriteTextAtomically(path, AutorunScriptText(player), kExecutableMode);
}

void CopyFileAtomically(const std::string& from, const std::string& to, unsigned mode) {
    TFileStream source(from, TFileStream::Mode::Read);
    SaveFileAtomically(to, [&](TStream& target) {
        std::vector<std::uint8_t> buffer(1 << 16);
        for (;;) {
            const auto left = source.Size() - source.Position();
            if (left == 0) break;
            const auto count =
                static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer.size()));
            source.Read(buffer.data(), count);
            target.Write(buffer.data(), count);
        }
        return true;
    });
    SetFileMode(to, mode);
}

bool WriteRootFilesBeforePages(const std::string& baseFolder, const TDiscRootSources& sources) {
    if (!FolderExists(baseFolder)) {
        ShowError("Directory \"" + baseFolder + "\" not found");
        return false;
    }
    const auto player = RootFile(baseFolder, "autorun.exe");
    if (!PlayerIsCurrent(player, sources) && !FileTransfer(kCopyPlayerError, player, [&] {
            CopyFileAtomically(sources.ProgramPath, player, kExecutableMode);
            return true;
        }))
        return false;
    // No codes of their own: they are the player's companion files.
    if (!WriteRootText(RootFile(baseFolder, "autorun.inf"), AutorunInfText(), 0) ||
        !WriteRootText(RootFile(baseFolder, "autorun"), AutorunScriptText(), kExecutableMode))
        return false;
    const auto source = RootFile(baseFolder, "AutoRunSource");
    std::error_code error;
    if (!FolderExists(source) && !std::filesystem::create_directory(source, error)) {
        errno = error.value();
        ReportFileError(kSaveIndexFileError, source);
        return false;
    }
    return true;
}

bool WriteDiscIconWhenMissing(const std::string& baseFolder, const TDiscRootSources& sources) {
    const auto icon = RootFile(baseFolder, "autorun.ico");
    if (FileExists(icon)) return true;
    return FileTransfer(kCopyDiscIconError, icon, [&] {
        CopyFileAtomically(sources.DefaultIconPath, icon);
        return true;
    });
}

} // namespace brelvane
