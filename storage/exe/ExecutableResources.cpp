#include "storage/exe/ExecutableResources.h"

#include "storage/exe/ElfImage.h"
#include "storage/exe/ExeErrors.h"
#include "storage/exe/PeImage.h"

#include <algorithm>

namespace brelvane {

namespace {
constexpr char kSectionName[] = ".rsrc";
// Far beyond any icon set and version block; keeps damaged sizes from
// asking for gigabytes.
constexpr std::uint64_t kLargestResourceSection = 256ull << 20;

TResourceLocation Checked(TResourceLocation location) {
    if (location.Size > kLargestResourceSection) throw EExeFormat("resource section too large");
    return location;
}
} // namespace

std::optional<TResourceLocation> LocateResources(TFile& file) {
    if (LooksLikeElf(file)) {
        const TElfImage image = ReadElfImage(file);
        const int index = FindElfSection(image, kSectionName);
        if (index < 0) return std::nullopt;
        const auto& section = image.Sections[static_cast<std::size_t>(index)];
        if (section.Flags & kElfSectionAllocated)
            throw EExeFormat("the resource section is part of the loaded image");
        if (section.Size > kLargestResourceSection) throw EExeFormat("resource section too large");
        return Checked({true, section.Offset, static_cast<std::uint32_t>(section.Size), 0});
    }
    if (!LooksLikePe(file)) return std::nullopt;
    const TPeImage image = ReadPeImage(file);
    const std::uint32_t address = image.DirectoryAddress(kDirectoryResource);
    if (address == 0 || image.DirectorySize(kDirectoryResource) == 0) return std::nullopt;
    const int index = image.SectionAt(address);
    if (index < 0) return std::nullopt;
    const auto& section = image.Sections[static_cast<std::size_t>(index)];
    const std::uint32_t skip = address - section.VirtualAddress;
    const std::uint32_t present =
        section.VirtualSize != 0 ? std::min(section.RawSize, section.VirtualSize) : section.RawSize;
    if (skip >= present) return std::nullopt;
    return Checked({false, std::uint64_t{section.RawOffset} + skip, present - skip, address});
}

std::vector<std::uint8_t> ReadResourceBytes(TFile& file, const TResourceLocation& location) {
    std::vector<std::uint8_t> bytes(location.Size);
    file.Seek(location.Offset);
    file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

TResourceTree ReadExecutableResources(TFile& file) {
    const auto location = LocateResources(file);
    if (!location) return {};
    return ReadResourceDirectory(ReadResourceBytes(file, *location), location->Address);
}

TResourceUpdate::TResourceUpdate(std::string path) : path_(std::move(path)) {
    TFile file(path_, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const auto location = LocateResources(file);
    if (!location) throw EExeFormat("no resource section");
    tree_ = ReadResourceDirectory(ReadResourceBytes(file, *location), location->Address);
}

void TResourceUpdate::Write() {
    ReplaceFileThroughCopy(path_, [this](TFile& original, TFile& copy) {
        if (LooksLikeElf(original)) {
            const TElfImage image = ReadElfImage(original);
            const int index = FindElfSection(image, kSectionName);
            if (index < 0) throw EExeFormat("no resource section");
            WriteElfWithSection(original, image, index, WriteResourceDirectory(tree_, 0), copy);
            return;
        }
        const TPeImage image = ReadPeImage(original);
        const auto section =
            WriteResourceDirectory(tree_, image.DirectoryAddress(kDirectoryResource));
        WritePeWithResources(original, image, section, copy);
    });
}

} // namespace brelvane
