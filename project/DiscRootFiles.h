#pragma once

#include <functional>
#include <string>

namespace brelvane {

enum : int {
    kCopyPlayerError = 1084,
    kCopyDiscIconError = 1085,
};

// What a save puts at the root of the base folder besides the project.
struct TDiscRootSources {
    // The running program, copied as "autorun.exe".
    std::string ProgramPath;
    // The program's FileVersion; a player of another version is replaced.
    std::string DesignerVersion;
    // "Default.ico" beside the program, the disc icon of a project without one.
    std::string DefaultIconPath;
    // The FileVersion of an executable ("" when it has none). Without a reader
    // only a missing player is copied.
    std::function<std::string(const std::string& path)> ReadFileVersion;
};

// The three lines of "autorun.inf", CR LF after each.
std::string AutorunInfText();

// "autorun": starts the player (a file of the same folder) from its own
// folder when a desktop runs a disc's autostart program after mounting it.
std::string AutorunScriptText(const std::string& player = "autorun.exe");

// Writes that script, mode 0755, through a temporary file renamed into
// place. Throws StreamError on failure.
void WriteAutorunScript(const std::string& path, const std::string& player = "autorun.exe");

// The root files written before the pages of a save: the base folder must
// exist, the player is copied when missing or of another version (mode 0755),
// "autorun.inf" and "autorun" (mode 0755) are written and "AutoRunSource" created. Failures are
// reported once (a missing folder as "Directory \"<B>\" not found").
bool WriteRootFilesBeforePages(const std::string& baseFolder, const TDiscRootSources& sources);

// The disc icon, copied from the default when the project has none; after
// the index, since a project without an icon still plays.
bool WriteDiscIconWhenMissing(const std::string& baseFolder, const TDiscRootSources& sources);

// Copies `from` over `to` through a temporary file renamed into place, so a
// running copy of the old file keeps running; `mode` 0 keeps the old file's
// mode. Throws StreamError on failure.
void CopyFileAtomically(const std::string& from, const std::string& to, unsigned mode = 0);

} // namespace brelvane
