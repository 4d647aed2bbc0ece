#pragma once

#include "publish/PublishErrors.h"
#include "publish/PublishTree.h"

#include <string>

namespace brelvane {

// Copies the base folder into `destination` without the project source,
// and `runtimeFolder` into its "AutoRunRuntime" (a missing one is refused
// with kPublishRuntimeMissingError before anything is written):
// folders are made or reused, each file is copied under a temporary name
// beside its target and renamed over it, with its permission bits; files
// that no longer belong to the project stay. A destination inside the base
// folder is refused (kPublishInsideBaseError). The first failure is reported
// once with its path and ends the run; a cancel stops between two files.
TPublishResult PublishFolder(const std::string& baseFolder, const std::string& destination,
                             const std::string& runtimeFolder,
                             const TPublishProgress& progress = {});

} // namespace brelvane
