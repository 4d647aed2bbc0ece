#pragma once

#include "publish/PublishedPlayers.h"

#include <string>
#include <utility>
#include <vector>

namespace brelvane {

// The names a launching executable's package holds beside the base folder's
// files: the player and the runtime folder it needs.
inline constexpr char kPackagedPlayerName[] = "autorun.exe";
inline constexpr char kPackagedRuntimeName[] = "AutoRunRuntime";
// Programs of the runtime folder; the package keeps no file modes, so the
// launcher makes these executable again.
inline constexpr char kPackagedHelperFolder[] = "AutoRunRuntime/libexec";

// The launcher as it lies beside the designer: a Linux program on every
// system, since only the Linux player needs one (the Windows player unpacks
// its package itself).
inline constexpr char kLauncherProgramName[] = "AutoRunLauncher";

// The parts of a single executable that starts without an installed Qt.
struct TLaunchingExecutable {
    std::string BaseFolder;
    // The small program at the front that unpacks and runs the player.
    std::string Launcher;
    // Packed as "AutoRunRuntime".
    std::string RuntimeFolder;
    // Packed as "autorun.exe"; "" for the base folder's own.
    std::string Player;
};

// Writes the launcher, then the package of the base folder with its
// "autorun.exe" and the runtime folder added, then the launcher's length as
// int32. The file is written under a temporary name beside `path`, made
// executable and renamed into place only when complete: a failure leaves a
// previous file as it was. An output inside the base folder, a missing
// launcher or runtime and a launcher that cannot be read are refused with
// 1083 (1104 for the runtime) and the path.
bool WriteLaunchingExecutable(const TLaunchingExecutable& parts, const std::string& path);

// The Windows player followed by the package of the base folder and the
// player's length: it plays the package itself, no launcher is needed.
// Written as above; a missing player is refused with kPublishPlayerMissingError.
bool WriteWindowsExecutable(const std::string& baseFolder, const std::string& windowsPlayer,
                            const std::string& path);

// The files a single executable for `choice` becomes: `path` itself for one
// system; for both the Windows one ending in ".exe" and the Linux one
// without it ("menu.exe" and "menu", whichever of them was given).
std::vector<std::pair<TPlayerChoice, std::string>> SingleExecutableNames(TPlayerChoice choice,
                                                                         const std::string& path);

// Writes the single executables of the chosen players (Windows first). Every
// output inside the base folder and a missing player or runtime is refused
// before anything is written.
bool WriteSingleExecutables(const std::string& baseFolder, const TPublishedPlayers& players,
                            const std::string& path);

} // namespace brelvane
