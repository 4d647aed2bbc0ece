#pragma once

#include "publish/PublishErrors.h"
#include "publish/PublishTree.h"
#include "publish/PublishedPlayers.h"

#include <string>

namespace brelvane {

// Copies the base folder into `destination` without the project source,
// with the chosen players at its root (PublishedRoot) and, for a Linux
// player, the runtime folder as its "AutoRunRuntime" (a missing player or
// runtime is refused, kPublishPlayerMissingError or
// kPublishRuntimeMissingError, before anything is written):
// folders are made or reused, each file is copied under a temporary name
// beside its target and renamed over it, with its permission bits; files
// that no longer belong to the project stay. A destination inside the base
// folder is refused (kPublishInsideBaseError). The first failure is reported
// once with its path and ends the run; a cancel stops between two files.
TPublishResult PublishFolder(const std::string& baseFolder, const std::string& destination,
                             const TPublishedPlayers& players,
                             const TPublishProgress& progress = {});

// The base folder with its own player, and the runtime folder.
inline TPublishResult PublishFolder(const std::string& baseFolder, const std::string& destination,
                                    const std::string& runtimeFolder,
                                    const TPublishProgress& progress = {}) {
    return PublishFolder(baseFolder, destination, OwnPlayer(runtimeFolder), progress);
}

} // namespace brelvane
