#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace brelvane {

// Told the bytes done so far and in all; returns false to cancel.
using TPublishProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// What a published copy of a base folder holds: every entry but the project
// source ("AutoRunSource" at any depth), folders before their contents.
struct TPublishTree {
    struct Entry {
        // Relative to the base folder, '/'-separated.
        std::string Path;
        bool Folder = false;
        std::uint64_t Size = 0;
    };
    std::vector<Entry> Entries;
    std::uint64_t TotalBytes = 0;
};

// The name skipped at every depth.
inline constexpr char kProjectSourceFolder[] = "AutoRunSource";
// The folder every published copy gets with the libraries its player needs.
inline constexpr char kPublishedRuntimeFolder[] = "AutoRunRuntime";

// Whether the runtime folder a published copy needs exists; reported with
// kPublishRuntimeMissingError and its path when not.
bool RuntimeFolderFound(const std::string& runtimeFolder);

// Walks `baseFolder` (symbolic links followed, each folder once). A folder
// that cannot be read is reported with kPublishFolderError; false then.
bool CollectPublishTree(const std::string& baseFolder, TPublishTree& tree);

} // namespace brelvane
