#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace brelvane {

// The first 12 bytes of an icon directory entry: width, height, colour count,
// reserved, planes, bit count, byte size of the image.
using TIconDirectory = std::array<std::uint8_t, 12>;

// An .ico file checked for what a group icon needs: at least 6 bytes, not an
// executable ("MZ"), the whole directory inside the file, every image inside
// the file without its end overflowing 32 bits. Reserved and type are kept
// as they are.
struct TIconFile {
    std::uint16_t Reserved = 0;
    std::uint16_t Type = 1;
    struct Image {
        TIconDirectory Directory{};
        std::span<const std::uint8_t> Data;
    };
    std::vector<Image> Images;
};

// Views into `bytes`, which must outlive the result. False when invalid.
bool ParseIconFile(std::span<const std::uint8_t> bytes, TIconFile& icon);

// A group icon resource: a 6-byte header, then 14-byte entries of the 12
// directory bytes and the icon resource's identifier.
struct TGroupIcon {
    std::uint16_t Reserved = 0;
    std::uint16_t Type = 1;
    struct Entry {
        TIconDirectory Directory{};
        std::uint16_t Id = 0;
    };
    std::vector<Entry> Entries;
};

// Raises EExeFormat when the entries do not fit.
TGroupIcon ReadGroupIcon(std::span<const std::uint8_t> resource);
std::vector<std::uint8_t> WriteGroupIcon(const TGroupIcon& group);

// An .ico file of the group's images (one per entry, in order): the entries'
// sizes are those of the images, the images follow the directory.
std::vector<std::uint8_t>
AssembleIconFile(const TGroupIcon& group, const std::vector<std::span<const std::uint8_t>>& images);

} // namespace brelvane
