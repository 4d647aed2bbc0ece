#pragma once

#include "project/Package.h"
#include "project/TargetFile.h"

#include <string>

namespace brelvane {

enum : int {
    kCreatePackageFolderError = 1068,
    kCopyProgramError = 1069,
};

// The folder an appended package is unpacked into: `tempFolder` + "/Brelvane"
// + N for the smallest N whose folder does not exist yet, made here. Returns
// "" (errno set) when no such folder could be made.
std::string MakePackageFolder(const std::string& tempFolder);

// The player (the base folder's "autorun.exe" unless another is named, e.g.
// the Windows build for a Linux-made project), then the package of the base
// folder, then the player's length as int32. A player that cannot be copied is
// reported with 1083; the package writer reports its own failures.
bool WriteSelfContainedExecutable(const std::string& baseFolder, const std::string& path,
                                  const std::string& player = {});

// Finds the package through the last four bytes of `executable` and unpacks
// it into `folder`. Damage and files that cannot be written are reported with
// 1070 and the executable's path.
bool ReadAppendedPackage(const std::string& executable, const std::string& folder,
                         const TUnpackListener& listener);

} // namespace brelvane
