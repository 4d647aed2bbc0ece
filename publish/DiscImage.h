#pragma once

#include "publish/ProgramRun.h"
#include "publish/PublishErrors.h"
#include "publish/PublishedPlayers.h"

#include <optional>
#include <string>
#include <vector>

namespace brelvane {

// The volume label of a project title: upper case, characters outside
// A-Z, 0-9 and '_' as '_', at most 32; "AUTORUN" for an empty title.
std::string DiscVolumeLabel(const std::string& title);

// The xorriso command that writes an ISO 9660 image of the base folder with
// Rock Ridge (modes kept) and Joliet names, without the project source, with
// the players' root (PublishedRoot) and, for a Linux player, the runtime
// folder as its "AutoRunRuntime". `scriptFile` holds the "autorun" script
// when the root gets a new one. Its progress lines go to the program's
// output for a caller to show.
std::vector<std::string> DiscImageCommand(const std::string& baseFolder,
                                          const TPublishedPlayers& players,
                                          const std::string& imagePath, const std::string& label,
                                          const std::string& scriptFile = {});

// The share done, 0 to 100, that a progress line of xorriso reports
// ("xorriso : UPDATE :  45.12% done", "... Writing: 1024s 12.5% fifo ...").
std::optional<double> ProgressPercent(const std::string& line);

// Writes the image under a temporary name beside `imagePath` and renames it
// into place only when the program succeeded, so a failed or cancelled run
// leaves the previous image. An image inside the base folder is refused
// (kPublishInsideBaseError), so is a missing player or runtime folder
// (kPublishPlayerMissingError, kPublishRuntimeMissingError); a failed run is
// reported with kDiscImageError.
TPublishResult WriteDiscImage(const std::string& baseFolder, const TPublishedPlayers& players,
                              const std::string& imagePath, const std::string& title,
                              const TProgramRunner& run);

// The base folder with its own player, and the runtime folder.
inline TPublishResult WriteDiscImage(const std::string& baseFolder,
                                     const std::string& runtimeFolder, const std::string& imagePath,
                                     const std::string& title, const TProgramRunner& run) {
    return WriteDiscImage(baseFolder, OwnPlayer(runtimeFolder), imagePath, title, run);
}

} // namespace brelvane
