#include "publish/PublishedPlayers.h"

#include "publish/LaunchingExecutable.h"
#include "publish/PublishErrors.h"
#include "publish/PublishTree.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"

#include <cerrno>

namespace brelvane {

bool HasLinuxPlayer(TPlayerChoice choice) {
    return choice != TPlayerChoice::Windows;
}

bool HasWindowsPlayer(TPlayerChoice choice) {
    return choice != TPlayerChoice::Linux;
}

TPublishedPlayers OwnPlayer(const std::string& runtimeFolder) {
    TPublishedPlayers players;
    players.RuntimeFolder = runtimeFolder;
    return players;
}

TPublishedPlayers PlayersBesideProgram(TPlayerChoice choice, const std::string& baseFolder,
                                       const std::string& programFolder) {
    TPublishedPlayers players;
    players.Choice = choice;
    const auto own = ResolvePath(baseFolder + "/" + kRootPlayerName);
    const auto foreign = ResolvePath(programFolder + "/" + kForeignPlayerProgramName);
    const bool nativeIsLinux = kNativePlayer == TPlayerChoice::Linux;
    players.LinuxPlayer = nativeIsLinux ? own : foreign;
    players.WindowsPlayer = nativeIsLinux ? foreign : own;
    players.RuntimeFolder = programFolder + "/" + kPublishedRuntimeFolder;
    players.Launcher = programFolder + "/" + kLauncherProgramName;
    players.LabelsFrom = own;
    return players;
}

std::string MissingPlayer(const TPublishedPlayers& players) {
    if (HasWindowsPlayer(players.Choice) && !FileExists(players.WindowsPlayer))
        return players.WindowsPlayer;
    if (HasLinuxPlayer(players.Choice) && !players.LinuxPlayer.empty() &&
        !FileExists(players.LinuxPlayer))
        return players.LinuxPlayer;
    return {};
}

bool PlayersFound(const TPublishedPlayers& players) {
    const auto missing = MissingPlayer(players);
    if (!missing.empty()) {
        errno = ENOENT;
        ReportFileError(kPublishPlayerMissingError, missing);
        return false;
    }
    return !HasLinuxPlayer(players.Choice) || RuntimeFolderFound(players.RuntimeFolder);
}

TPublishedRoot PublishedRoot(const TPublishedPlayers& players) {
    TPublishedRoot root;
    switch (players.Choice) {
    case TPlayerChoice::Linux:
        if (!players.LinuxPlayer.empty()) {
            root.LeftOut.push_back(kRootPlayerName);
            root.Added.emplace_back(kRootPlayerName, players.LinuxPlayer);
        }
        root.Runtime = true;
        break;
    case TPlayerChoice::Windows:
        root.LeftOut.push_back(kRootPlayerName);
        // A script that starts a Windows program would only fail on Linux.
        root.LeftOut.push_back(kRootScriptName);
        root.Added.emplace_back(kRootPlayerName, players.WindowsPlayer);
        break;
    case TPlayerChoice::Both:
        root.LeftOut.push_back(kRootPlayerName);
        root.LeftOut.push_back(kRootScriptName);
        root.Added.emplace_back(kRootPlayerName, players.WindowsPlayer);
        root.Added.emplace_back(kLinuxPlayerBesideWindows, players.LinuxPlayer);
        root.ScriptPlayer = kLinuxPlayerBesideWindows;
        root.Runtime = true;
        break;
    }
    return root;
}

} // namespace brelvane
