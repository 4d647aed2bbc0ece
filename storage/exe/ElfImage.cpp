#include "storage/exe/ElfImage.h"

#include "storage/exe/ByteView.h"

#include <algorithm>

namespace brelvane {

namespace {

constexpr char kDamaged[] = "damaged ELF section headers";
constexpr std::uint32_t kNoBits = 8;
constexpr std::uint64_t kAppendAlignment = 16;

std::vector<std::uint8_t> ReadAt(TFile& file, std::uint64_t offset, std::uint64_t count) {
    if (count > file.Size() || offset > file.Size() - count) throw EExeFormat(kDamaged);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    file.Seek(offset);
    file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

// Field offsets that differ between the two classes.
struct Fields {
    std::uint64_t SectionHeaders, HeaderSize, Count, NamesIndex;
    std::uint32_t MinimumHeader, Offset, Size;
};
constexpr Fields k32{0x20, 0x2E, 0x30, 0x32, 40, 16, 20};
constexpr Fields k64{0x28, 0x3A, 0x3C, 0x3E, 64, 24, 32};

std::uint64_t Word(const TByteView& view, bool wide, std::uint64_t at) {
    return wide ? view.U64(at) : view.U32(at);
}

} // namespace

bool LooksLikeElf(TFile& file) {
    if (file.Size() < 16) return false;
    const auto ident = ReadAt(file, 0, 16);
    return ident[0] == 0x7F && ident[1] == 'E' && ident[2] == 'L' && ident[3] == 'F';
}

TElfImage ReadElfImage(TFile& file) {
    const auto ident = ReadAt(file, 0, 16);
    if (ident[5] != 1 || (ident[4] != 1 && ident[4] != 2))
        throw EExeFormat("not a little-endian ELF file");
    TElfImage image;
    image.Wide = ident[4] == 2;
    const Fields& f = image.Wide ? k64 : k32;
    const auto header = ReadAt(file, 0, image.Wide ? 64 : 52);
    const TByteView head(header, kDamaged);
    image.SectionHeaders = Word(head, image.Wide, f.SectionHeaders);
    image.HeaderSize = head.U16(f.HeaderSize);
    const std::uint16_t count = head.U16(f.Count);
    const std::uint16_t namesIndex = head.U16(f.NamesIndex);
    if (count == 0) return image;
    if (image.HeaderSize < f.MinimumHeader || namesIndex >= count) throw EExeFormat(kDamaged);
    const auto table = ReadAt(file, image.SectionHeaders, std::uint64_t{count} * image.HeaderSize);
    const TByteView view(table, kDamaged);
    std::vector<std::uint32_t> nameOffsets;
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint64_t at = std::uint64_t{i} * image.HeaderSize;
        TElfSection section;
        nameOffsets.push_back(view.U32(at));
        section.Type = view.U32(at + 4);
        section.Flags = Word(view, image.Wide, at + 8);
        section.Offset = Word(view, image.Wide, at + f.Offset);
        section.Size = Word(view, image.Wide, at + f.Size);
        if (section.Type != kNoBits &&
            (section.Size > file.Size() || section.Offset > file.Size() - section.Size))
            throw EExeFormat(kDamaged);
        image.Sections.push_back(section);
    }
    const auto& names = image.Sections[namesIndex];
    if (names.Type == kNoBits) throw EExeFormat(kDamaged);
    const auto strings = ReadAt(file, names.Offset, names.Size);
    for (std::size_t i = 0; i < image.Sections.size(); ++i) {
        const auto start = nameOffsets[i];
        if (start >= strings.size()) throw EExeFormat(kDamaged);
        const auto end = std::find(strings.begin() + start, strings.end(), 0);
        if (end == strings.end()) throw EExeFormat(kDamaged);
        image.Sections[i].Name.assign(strings.begin() + start, end);
    }
    return image;
}

int FindElfSection(const TElfImage& image, std::string_view name) {
    for (std::size_t i = 0; i < image.Sections.size(); ++i)
        if (image.Sections[i].Name == name) return static_cast<int>(i);
    return -1;
}

void WriteElfWithSection(TFile& original, const TElfImage& image, int index,
                         std::span<const std::uint8_t> contents, TFile& copy) {
    const auto& old = image.Sections.at(static_cast<std::size_t>(index));
    const std::uint64_t fileSize = original.Size();
    const bool endsFile = old.Offset + old.Size == fileSize;
    std::uint64_t offset = old.Offset;
    if (endsFile) {
        copy.CopyFrom(original, 0, old.Offset);
    } else {
        copy.CopyFrom(original, 0, fileSize);
        // The old bytes stay behind unused when the section moves; clear them.
        const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(old.Size), 0);
        copy.Seek(old.Offset);
        copy.WriteBuffer(zeros.data(), zeros.size());
        if (contents.size() > old.Size) {
            offset = (fileSize + kAppendAlignment - 1) / kAppendAlignment * kAppendAlignment;
            copy.Resize(offset);
        }
    }
    copy.Seek(offset);
    copy.WriteBuffer(contents.data(), contents.size());

    const Fields& f = image.Wide ? k64 : k32;
    std::vector<std::uint8_t> fields(image.Wide ? 16 : 8);
    if (image.Wide) {
        Store<std::uint64_t>(fields, 0, offset);
        Store<std::uint64_t>(fields, 8, contents.size());
    } else {
        if (offset + contents.size() > 0xFFFFFFFFull) throw EExeFormat("file larger than 4 GiB");
        Store<std::uint32_t>(fields, 0, static_cast<std::uint32_t>(offset));
        Store<std::uint32_t>(fields, 4, static_cast<std::uint32_t>(contents.size()));
    }
    copy.Seek(image.SectionHeaders + std::uint64_t(index) * image.HeaderSize + f.Offset);
    copy.WriteBuffer(fields.data(), fields.size());
}

} // namespace brelvane
