#include "storage/exe/IconGroup.h"

#include "storage/exe/ByteView.h"

#include <algorithm>

namespace brelvane {

namespace {
constexpr std::size_t kHeader = 6;
constexpr std::size_t kFileEntry = 16;
constexpr std::size_t kGroupEntry = 14;
} // namespace

bool ParseIconFile(std::span<const std::uint8_t> bytes, TIconFile& icon) {
    if (bytes.size() < kHeader || (bytes[0] == 'M' && bytes[1] == 'Z')) return false;
    const TByteView view(bytes, "icon file");
    icon.Reserved = view.U16(0);
    icon.Type = view.U16(2);
    const std::uint16_t count = view.U16(4);
    if (!view.Has(kHeader, std::uint64_t{count} * kFileEntry)) return false;
    icon.Images.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeader + i * kFileEntry;
        const std::uint32_t size = view.U32(at + 8);
        const std::uint32_t offset = view.U32(at + 12);
        if (std::uint64_t{offset} + size > 0xFFFFFFFFull || !view.Has(offset, size)) return false;
        TIconFile::Image image;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), image.Directory.size(),
                    image.Directory.begin());
        image.Data = view.Sub(offset, size);
        icon.Images.push_back(image);
    }
    return true;
}

TGroupIcon ReadGroupIcon(std::span<const std::uint8_t> resource) {
    const TByteView view(resource, "damaged group icon");
    TGroupIcon group;
    group.Reserved = view.U16(0);
    group.Type = view.U16(2);
    const std::uint16_t count = view.U16(4);
    view.Sub(kHeader, std::uint64_t{count} * kGroupEntry);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeader + i * kGroupEntry;
        TGroupIcon::Entry entry;
        const auto directory = view.Sub(at, entry.Directory.size());
        std::copy(directory.begin(), directory.end(), entry.Directory.begin());
        entry.Id = view.U16(at + 12);
        group.Entries.push_back(entry);
    }
    return group;
}

std::vector<std::uint8_t> WriteGroupIcon(const TGroupIcon& group) {
    std::vector<std::uint8_t> bytes;
    Append<std::uint16_t>(bytes, group.Reserved);
    Append<std::uint16_t>(bytes, group.Type);
    Append<std::uint16_t>(bytes, static_cast<std::uint16_t>(group.Entries.size()));
    for (const auto& entry : group.Entries) {
        bytes.insert(bytes.end(), entry.Directory.begin(), entry.Directory.end());
        Append<std::uint16_t>(bytes, entry.Id);
    }
    return bytes;
}

std::vector<std::uint8_t>
AssembleIconFile(const TGroupIcon& group,
                 const std::vector<std::span<const std::uint8_t>>& images) {
    std::vector<std::uint8_t> bytes;
    Append<std::uint16_t>(bytes, 0);
    Append<std::uint16_t>(bytes, 1);
    Append<std::uint16_t>(bytes, static_cast<std::uint16_t>(images.size()));
    std::size_t offset = kHeader + kFileEntry * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto& directory = group.Entries.at(i).Directory;
        bytes.insert(bytes.end(), directory.begin(), directory.begin() + 8);
        Append<std::uint32_t>(bytes, static_cast<std::uint32_t>(images[i].size()));
        Append<std::uint32_t>(bytes, static_cast<std::uint32_t>(offset));
        offset += images[i].size();
    }
    for (const auto& image : images)
        bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

} // namespace brelvane
