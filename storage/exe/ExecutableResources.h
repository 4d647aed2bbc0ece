#pragma once

#include "storage/exe/File.h"
#include "storage/exe/ResourceTree.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelvane {

// Where the resource directory of an executable lies: in a PE file the data
// directory names it; in our Linux executable it is the non-loaded section
// ".rsrc", whose addresses count from the section's start.
struct TResourceLocation {
    bool Elf = false;
    std::uint64_t Offset = 0;
    std::uint32_t Size = 0;
    std::uint32_t Address = 0;
};

// Empty when the file is a PE or ELF file without resources, or neither.
// Raises EExeFormat for damaged headers and EFileError for failed reads.
std::optional<TResourceLocation> LocateResources(TFile& file);
std::vector<std::uint8_t> ReadResourceBytes(TFile& file, const TResourceLocation& location);
// Every resource of the file; an empty tree when it has none.
TResourceTree ReadExecutableResources(TFile& file);

// An update of an executable's resources, begun by reading them and ended by
// writing the file anew beside it and renaming it over the old one, which
// stays byte-identical when the update is dropped or writing fails.
class TResourceUpdate {
public:
    // Raises EExeFormat when the file has no resource section of its own.
    explicit TResourceUpdate(std::string path);
    TResourceTree& Resources() { return tree_; }
    void Write();

private:
    std::string path_;
    TResourceTree tree_;
};

} // namespace brelvane
