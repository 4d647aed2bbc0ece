#pragma once

#include "storage/exe/File.h"

#include <cstdint>
#include <span>
#include <vector>

namespace brelvane {

// Section flags the resource writer looks at.
constexpr std::uint32_t kSectionInitializedData = 0x00000040;
constexpr std::uint32_t kSectionDiscardable = 0x02000000;

// Data directory slots.
constexpr int kDirectoryResource = 2;
constexpr int kDirectoryCertificate = 4;
constexpr int kDirectoryDebug = 6;

struct TPeSection {
    std::uint32_t VirtualSize = 0;
    std::uint32_t VirtualAddress = 0;
    std::uint32_t RawSize = 0;
    std::uint32_t RawOffset = 0;
    std::uint32_t Characteristics = 0;
};

// The headers of a PE file (32-bit or 64-bit image), as far as resources need them.
struct TPeImage {
    std::vector<std::uint8_t> Headers; // the file from offset 0 to the end of the section table
    std::uint32_t FileHeader = 0;      // offset of the 20-byte file header
    std::uint32_t OptionalHeader = 0;
    std::uint16_t OptionalSize = 0;
    bool Wide = false; // PE32+
    std::uint32_t SectionTable = 0;
    std::vector<TPeSection> Sections;

    std::uint32_t FileAlignment() const;
    std::uint32_t SectionAlignment() const;
    std::uint32_t DirectoryCount() const;
    std::uint32_t DirectoryAddress(int index) const;
    std::uint32_t DirectorySize(int index) const;
    // Offset of a data directory slot in Headers (0 when the image has fewer).
    std::uint32_t DirectoryOffset(int index) const;
    std::uint32_t ChecksumOffset() const { return OptionalHeader + 64; }
    // The section whose addresses hold `address`, or -1.
    int SectionAt(std::uint32_t address) const;
};

// True when the file starts with "MZ" and a "PE\0\0" header follows.
bool LooksLikePe(TFile& file);
// Raises EExeFormat when the headers are damaged or lie outside the file.
TPeImage ReadPeImage(TFile& file);

// Writes `original` into `copy` with `section` (the section bytes of the
// resource section, which starts at the resource directory) in place of the
// old resource section. Sections after it move only when all of them are
// discardable, else EExeFormat. Size of image, initialized data size, the
// data directories, debug entries and symbol table pointer follow; a
// certificate is dropped; a non-zero checksum is recomputed.
void WritePeWithResources(TFile& original, const TPeImage& image,
                          std::span<const std::uint8_t> section, TFile& copy);

// The PE checksum of a whole file whose checksum field lies at `checksumOffset`.
std::uint32_t PeChecksum(TFile& file, std::uint32_t checksumOffset);

} // namespace brelvane
