#pragma once

#include "storage/exe/File.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brelvane {

// Section flag: the section is part of the loaded image.
constexpr std::uint64_t kElfSectionAllocated = 0x2;

struct TElfSection {
    std::string Name;
    std::uint32_t Type = 0;
    std::uint64_t Flags = 0;
    std::uint64_t Offset = 0;
    std::uint64_t Size = 0;
};

// The section headers of a little-endian ELF file (32-bit or 64-bit).
struct TElfImage {
    bool Wide = false;
    std::uint64_t SectionHeaders = 0;
    std::uint16_t HeaderSize = 0;
    std::vector<TElfSection> Sections;
};

bool LooksLikeElf(TFile& file);
// Raises EExeFormat when the section headers or their names lie outside the file.
TElfImage ReadElfImage(TFile& file);
// The index of the section called `name`, or -1.
int FindElfSection(const TElfImage& image, std::string_view name);

// Writes `original` into `copy` with new contents for section `index`: in
// place when they fit or the section ends the file, else at the file's end.
void WriteElfWithSection(TFile& original, const TElfImage& image, int index,
                         std::span<const std::uint8_t> contents, TFile& copy);

} // namespace brelvane
