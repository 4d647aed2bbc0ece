#pragma once

#include <string>
#include <utility>
#include <vector>

namespace brelvane {

// Which player a published copy starts: the Linux build of the program, the
// Windows build, or both side by side.
enum class TPlayerChoice { Linux, Windows, Both };

bool HasLinuxPlayer(TPlayerChoice choice);
bool HasWindowsPlayer(TPlayerChoice choice);

// Beside "autorun.exe" (then the Windows player) a published copy for both
// systems holds the Linux player under this name; its "autorun" script starts it.
inline constexpr char kLinuxPlayerBesideWindows[] = "autorun-linux";
// The root files of the base folder that name the Linux player.
inline constexpr char kRootPlayerName[] = "autorun.exe";
inline constexpr char kRootScriptName[] = "autorun";

// The other system's build of the program, which the build tree and an
// installation place beside the designer.
#ifdef _WIN32
inline constexpr TPlayerChoice kNativePlayer = TPlayerChoice::Windows;
inline constexpr char kForeignPlayerProgramName[] = "Brelvane";
#else
inline constexpr TPlayerChoice kNativePlayer = TPlayerChoice::Linux;
inline constexpr char kForeignPlayerProgramName[] = "Brelvane.exe";
#endif

// The files a publishing run takes its players from.
struct TPublishedPlayers {
    TPlayerChoice Choice = TPlayerChoice::Linux;
    // "" for the base folder's own "autorun.exe" as it is.
    std::string LinuxPlayer;
    std::string WindowsPlayer;
    // The libraries the Linux player needs on a machine without Qt, published
    // as "AutoRunRuntime".
    std::string RuntimeFolder;
    // The front of a single executable for Linux.
    std::string Launcher;
    // The project's own player, whose icon and version strings the other
    // players get when published; "" leaves them as they are.
    std::string LabelsFrom;
};

// The base folder's own player as it is, with the runtime folder.
TPublishedPlayers OwnPlayer(const std::string& runtimeFolder);

// The players of a designer in `programFolder` for a project in `baseFolder`:
// the project's own "autorun.exe" is the native player, the foreign one lies
// beside the designer, as do the runtime and the launcher.
TPublishedPlayers PlayersBesideProgram(TPlayerChoice choice, const std::string& baseFolder,
                                       const std::string& programFolder);

// The player file a choice needs that is missing, "" when all are there.
std::string MissingPlayer(const TPublishedPlayers& players);

// Reports the missing player (kPublishPlayerMissingError) or runtime folder
// (kPublishRuntimeMissingError) with its path; true when nothing is missing.
bool PlayersFound(const TPublishedPlayers& players);

// How the root of a published copy differs from the base folder's.
struct TPublishedRoot {
    // Root files of the base folder that are not published.
    std::vector<std::string> LeftOut;
    // (name at the root, file to copy there).
    std::vector<std::pair<std::string, std::string>> Added;
    // When not empty, the "autorun" script is written anew to start this root file.
    std::string ScriptPlayer;
    // Whether "AutoRunRuntime" is added.
    bool Runtime = false;
};

TPublishedRoot PublishedRoot(const TPublishedPlayers& players);

} // namespace brelvane
