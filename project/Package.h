#pragma once

#include "storage/ByteStream.h"
#include "storage/FileSystem.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace brelvane {

enum : int {
    kUnpackFolderError = 1065,
    // Publishing a single executable; also names what the package writer could not read.
    kPublishExecutableError = 1083,
};

// A package of a folder: D, D × (name, package of the sub-folder), N,
// N × (name, size S, S bytes). Folders named exactly "AutoRunSource" and
// files named exactly "autorun.exe" are left out at every depth.
inline constexpr char kPackageSkippedFolder[] = "AutoRunSource";
inline constexpr char kPackageSkippedFile[] = "autorun.exe";

// The package must end within the 32-bit offsets of a self-contained executable.
inline constexpr std::uint64_t kLargestExecutable = 0xffffffffu;

// Entries packed at the top of a package beside the folder's own, each as
// (name in the package, path to read it from); not subject to the rules of
// left-out names.
struct TPackageAdditions {
    std::vector<std::pair<std::string, std::string>> Folders;
    std::vector<std::pair<std::string, std::string>> Files;
};

// Appends the package of `folder`, with `additions`. Refuses, before writing anything, a
// package that would end past 4 GB in the stream or hold a file of 2 GB or
// more; a file or folder that cannot be read is reported with 1083 and its path.
bool WritePackage(TStream& stream, const std::string& folder,
                  const TPackageAdditions& additions = {});

// Told about every folder and file as soon as unpacking made it, parent
// folders before what they hold, so that removing them in reverse order
// leaves nothing behind.
struct TUnpackListener {
    std::function<void(const std::string& folder)> FolderMade;
    std::function<void(const std::string& file)> FileMade;
};

// Unpacks the package at the stream's position into `folder`, reading the
// stream once from front to back. The package ends at `end`, or at the end
// of the stream when that comes first. A sub-folder that cannot be made is
// reported with 1065 and returns false. Damage (a count or size that does not
// fit in the rest of the stream, an entry name that is empty, ".", "..", holds
// a slash, a backslash or a zero byte, or is longer than a file name can be)
// and files that cannot be written throw StreamError for the caller to report:
// nothing is ever written outside `folder`.
bool ReadPackage(TStream& stream, const std::string& folder, const TUnpackListener& listener,
                 std::uint64_t end = UINT64_MAX);

// Appends the first `size` bytes of a file in block copies; throws StreamError
// (errno set) when the file cannot be opened or ends early.
void AppendFileContent(TStream& stream, const std::string& path, std::uint64_t size);

} // namespace brelvane
