#pragma once

#include <string>

namespace brelvane {

// The names a launching executable's package holds beside the base folder's
// files: the player and the runtime folder it needs.
inline constexpr char kPackagedPlayerName[] = "autorun.exe";
inline constexpr char kPackagedRuntimeName[] = "AutoRunRuntime";
// Programs of the runtime folder; the package keeps no file modes, so the
// launcher makes these executable again.
inline constexpr char kPackagedHelperFolder[] = "AutoRunRuntime/libexec";

// The launcher as it lies beside the designer.
#ifdef _WIN32
inline constexpr char kLauncherProgramName[] = "AutoRunLauncher.exe";
#else
inline constexpr char kLauncherProgramName[] = "AutoRunLauncher";
#endif

// The parts of a single executable that starts without an installed Qt.
struct TLaunchingExecutable {
    std::string BaseFolder;
    // The small program at the front that unpacks and runs the player.
    std::string Launcher;
    // Packed as "AutoRunRuntime".
    std::string RuntimeFolder;
};

// Writes the launcher, then the package of the base folder with its
// "autorun.exe" and the runtime folder added, then the launcher's length as
// int32. The file is written under a temporary name beside `path`, made
// executable and renamed into place only when complete: a failure leaves a
// previous file as it was. An output inside the base folder, a missing
// launcher or runtime and a launcher that cannot be read are refused with
// 1083 (1104 for the runtime) and the path.
bool WriteLaunchingExecutable(const TLaunchingExecutable& parts, const std::string& path);

} // namespace brelvane
