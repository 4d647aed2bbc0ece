#include "storage/exe/PeImage.h"

#include "storage/exe/ByteView.h"

#include <algorithm>

namespace brelvane {

namespace {

constexpr std::uint32_t kSectionHeader = 40;
constexpr std::uint32_t kDebugEntry = 28;
constexpr char kDamaged[] = "damaged PE headers";

std::uint32_t AlignUp(std::uint64_t value, std::uint32_t alignment) {
    const std::uint64_t aligned = (value + alignment - 1) / alignment * alignment;
    if (aligned > 0xFFFFFFFFull) throw EExeFormat("image larger than 4 GiB");
    return static_cast<std::uint32_t>(aligned);
}

std::vector<std::uint8_t> ReadAt(TFile& file, std::uint64_t offset, std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    file.Seek(offset);
    file.ReadBuffer(bytes.data(), count);
    return bytes;
}

void WriteAt(TFile& file, std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    file.Seek(offset);
    file.WriteBuffer(bytes.data(), bytes.size());
}

// Raw and address moves of the sections behind the resource section.
struct Moves {
    std::uint32_t OldEnd = 0;   // end of the old resource data in the file
    std::uint32_t RawDelta = 0; // how far the bytes behind it move
    std::uint32_t AddressDelta = 0;
    std::uint32_t NextAddress = 0; // first section address after the resources, 0 if none
    bool MovesAddress(std::uint32_t address) const {
        return NextAddress != 0 && address >= NextAddress;
    }
    bool MovesOffset(std::uint32_t offset) const { return offset >= OldEnd; }
};

void PatchDebugEntries(TFile& copy, const TPeImage& fresh, std::uint32_t address,
                       std::uint32_t size, const Moves& moves) {
    const int index = fresh.SectionAt(address);
    if (index < 0) return;
    const auto& holder = fresh.Sections[static_cast<std::size_t>(index)];
    const std::uint64_t inSection = address - holder.VirtualAddress;
    if (inSection + size > holder.RawSize) throw EExeFormat("debug directory outside its section");
    auto entries = ReadAt(copy, holder.RawOffset + inSection, size);
    const TByteView view(entries, kDamaged);
    for (std::uint32_t at = 0; at + kDebugEntry <= size; at += kDebugEntry) {
        const std::uint32_t data = view.U32(at + 20);
        const std::uint32_t pointer = view.U32(at + 24);
        if (data != 0 && moves.MovesAddress(data))
            Store<std::uint32_t>(entries, at + 20, data + moves.AddressDelta);
        if (pointer != 0 && moves.MovesOffset(pointer))
            Store<std::uint32_t>(entries, at + 24, pointer + moves.RawDelta);
    }
    WriteAt(copy, holder.RawOffset + inSection, entries);
}

} // namespace

std::uint32_t TPeImage::FileAlignment() const {
    return TByteView(Headers, kDamaged).U32(OptionalHeader + 36);
}
std::uint32_t TPeImage::SectionAlignment() const {
    return TByteView(Headers, kDamaged).U32(OptionalHeader + 32);
}
std::uint32_t TPeImage::DirectoryCount() const {
    const std::uint32_t first = Wide ? 112 : 96;
    const std::uint32_t count = TByteView(Headers, kDamaged).U32(OptionalHeader + first - 4);
    return std::min<std::uint32_t>(
        count, (OptionalSize - std::min<std::uint32_t>(OptionalSize, first)) / 8);
}
std::uint32_t TPeImage::DirectoryOffset(int index) const {
    if (index < 0 || static_cast<std::uint32_t>(index) >= DirectoryCount()) return 0;
    return OptionalHeader + (Wide ? 112 : 96) + 8 * static_cast<std::uint32_t>(index);
}
std::uint32_t TPeImage::DirectoryAddress(int index) const {
    const auto at = DirectoryOffset(index);
    return at == 0 ? 0 : TByteView(Headers, kDamaged).U32(at);
}
std::uint32_t TPeImage::DirectorySize(int index) const {
    const auto at = DirectoryOffset(index);
    return at == 0 ? 0 : TByteView(Headers, kDamaged).U32(at + 4);
}
int TPeImage::SectionAt(std::uint32_t address) const {
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        const auto& s = Sections[i];
        const std::uint32_t span = std::max(s.VirtualSize, s.RawSize);
        if (address >= s.VirtualAddress && address - s.VirtualAddress < span)
            return static_cast<int>(i);
    }
    return -1;
}

bool LooksLikePe(TFile& file) {
    const auto size = file.Size();
    if (size < 64) return false;
    const auto dos = ReadAt(file, 0, 64);
    if (dos[0] != 'M' || dos[1] != 'Z') return false;
    const std::uint32_t header = TByteView(dos, kDamaged).U32(60);
    if (header == 0 || std::uint64_t{header} + 4 > size) return false;
    const auto signature = ReadAt(file, header, 4);
    return signature == std::vector<std::uint8_t>{'P', 'E', 0, 0};
}

TPeImage ReadPeImage(TFile& file) {
    const std::uint64_t size = file.Size();
    if (size < 64) throw EExeFormat(kDamaged);
    TPeImage image;
    const std::uint32_t header = TByteView(ReadAt(file, 0, 64), kDamaged).U32(60);
    if (std::uint64_t{header} + 24 > size) throw EExeFormat(kDamaged);
    const auto fileHeader = ReadAt(file, header, 24);
    const TByteView head(fileHeader, kDamaged);
    if (head.U32(0) != 0x00004550) throw EExeFormat(kDamaged);
    const std::uint16_t sections = head.U16(6);
    image.FileHeader = header + 4;
    image.OptionalSize = head.U16(20);
    image.OptionalHeader = header + 24;
    image.SectionTable = image.OptionalHeader + image.OptionalSize;
    const std::uint64_t end = std::uint64_t{image.SectionTable} + sections * kSectionHeader;
    if (end > size) throw EExeFormat(kDamaged);
    image.Headers = ReadAt(file, 0, static_cast<std::size_t>(end));
    const TByteView view(image.Headers, kDamaged);
    if (image.OptionalSize < 96) throw EExeFormat(kDamaged);
    const std::uint16_t magic = view.U16(image.OptionalHeader);
    if (magic != 0x10B && magic != 0x20B) throw EExeFormat(kDamaged);
    image.Wide = magic == 0x20B;
    if (image.Wide && image.OptionalSize < 112) throw EExeFormat(kDamaged);
    for (std::uint32_t i = 0; i < sections; ++i) {
        const std::uint32_t at = image.SectionTable + i * kSectionHeader;
        TPeSection section{view.U32(at + 8), view.U32(at + 12), view.U32(at + 16),
                           view.U32(at + 20), view.U32(at + 36)};
        if (section.RawSize != 0 && std::uint64_t{section.RawOffset} + section.RawSize > size)
            throw EExeFormat(kDamaged);
        image.Sections.push_back(section);
    }
    return image;
}

std::uint32_t PeChecksum(TFile& file, std::uint32_t checksumOffset) {
    const std::uint64_t size = file.Size();
    std::uint64_t sum = 0;
    std::vector<std::uint8_t> buffer(1u << 20);
    file.Seek(0);
    for (std::uint64_t offset = 0; offset < size;) {
        const auto step =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - offset));
        file.ReadBuffer(buffer.data(), step);
        // Chunks are even-sized, so words never straddle two of them.
        for (std::size_t i = 0; i < step; i += 2) {
            const std::uint64_t at = offset + i;
            if (at >= checksumOffset && at < checksumOffset + 4ull) continue;
            std::uint32_t word = buffer[i];
            if (i + 1 < step) word |= std::uint32_t{buffer[i + 1]} << 8;
            sum += word;
            sum = (sum & 0xFFFF) + (sum >> 16);
        }
        offset += step;
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint32_t>((sum & 0xFFFF) + size);
}

void WritePeWithResources(TFile& original, const TPeImage& image,
                          std::span<const std::uint8_t> section, TFile& copy) {
    const std::uint32_t resourceAddress = image.DirectoryAddress(kDirectoryResource);
    const int index = image.SectionAt(resourceAddress);
    if (index < 0 ||
        image.Sections[static_cast<std::size_t>(index)].VirtualAddress != resourceAddress)
        throw EExeFormat("resources do not fill a section of their own");
    const auto& old = image.Sections[static_cast<std::size_t>(index)];
    const std::uint32_t fileAlignment = image.FileAlignment();
    const std::uint32_t sectionAlignment = image.SectionAlignment();
    // Readers do without them; moving sections needs sound alignments.
    if (fileAlignment == 0 || (fileAlignment & (fileAlignment - 1)) != 0 || sectionAlignment == 0 ||
        (sectionAlignment & (sectionAlignment - 1)) != 0)
        throw EExeFormat(kDamaged);
    const std::uint64_t fileSize = original.Size();

    Moves moves;
    moves.OldEnd = old.RawOffset + old.RawSize;
    const std::uint32_t rawSize = std::max(AlignUp(section.size(), fileAlignment), old.RawSize);
    if (std::uint64_t{old.RawOffset} + rawSize > moves.OldEnd)
        moves.RawDelta =
            AlignUp(std::uint64_t{old.RawOffset} + rawSize - moves.OldEnd, fileAlignment);
    for (const auto& s : image.Sections)
        if (s.VirtualAddress > resourceAddress &&
            (moves.NextAddress == 0 || s.VirtualAddress < moves.NextAddress))
            moves.NextAddress = s.VirtualAddress;
    const std::uint32_t newEnd =
        AlignUp(std::uint64_t{resourceAddress} + section.size(), sectionAlignment);
    if (moves.NextAddress != 0 && newEnd > moves.NextAddress)
        moves.AddressDelta = newEnd - moves.NextAddress;

    TPeImage fresh = image;
    auto& headers = fresh.Headers;
    for (std::size_t i = 0; i < fresh.Sections.size(); ++i) {
        auto& s = fresh.Sections[i];
        const std::uint32_t at = image.SectionTable + static_cast<std::uint32_t>(i) * 40;
        if (static_cast<int>(i) == index) {
            s.VirtualSize = static_cast<std::uint32_t>(section.size());
            s.RawSize = rawSize;
        } else {
            const bool movesAddress =
                moves.AddressDelta != 0 && moves.MovesAddress(s.VirtualAddress);
            const bool movesRaw =
                moves.RawDelta != 0 && s.RawSize != 0 && moves.MovesOffset(s.RawOffset);
            // Only sections the loader may drop can move without relinking.
            if ((movesAddress || movesRaw) && !(s.Characteristics & kSectionDiscardable))
                throw EExeFormat("a section after the resources cannot move", EExeFormat::kNoRoom);
            if (movesAddress) s.VirtualAddress += moves.AddressDelta;
            if (movesRaw) s.RawOffset += moves.RawDelta;
        }
        Store<std::uint32_t>(headers, at + 8, s.VirtualSize);
        Store<std::uint32_t>(headers, at + 12, s.VirtualAddress);
        Store<std::uint32_t>(headers, at + 16, s.RawSize);
        Store<std::uint32_t>(headers, at + 20, s.RawOffset);
    }
    for (int d = 0; d < static_cast<int>(image.DirectoryCount()); ++d) {
        const std::uint32_t at = image.DirectoryOffset(d);
        const std::uint32_t address = image.DirectoryAddress(d);
        if (d == kDirectoryCertificate) {
            // A signature cannot stay valid over changed bytes.
            Store<std::uint64_t>(headers, at, 0);
        } else if (d == kDirectoryResource) {
            Store<std::uint32_t>(headers, at + 4, static_cast<std::uint32_t>(section.size()));
        } else if (address != 0 && moves.AddressDelta != 0 && moves.MovesAddress(address)) {
            Store<std::uint32_t>(headers, at, address + moves.AddressDelta);
        }
    }
    const TByteView view(headers, kDamaged);
    if (const std::uint32_t symbols = view.U32(image.FileHeader + 8);
        symbols != 0 && moves.MovesOffset(symbols))
        Store<std::uint32_t>(headers, image.FileHeader + 8, symbols + moves.RawDelta);
    std::uint64_t imageEnd = 0;
    for (const auto& s : fresh.Sections)
        imageEnd =
            std::max<std::uint64_t>(imageEnd, std::uint64_t{s.VirtualAddress} +
                                                  (s.VirtualSize ? s.VirtualSize : s.RawSize));
    Store<std::uint32_t>(headers, image.OptionalHeader + 56, AlignUp(imageEnd, sectionAlignment));
    if (old.Characteristics & kSectionInitializedData)
        Store<std::uint32_t>(headers, image.OptionalHeader + 8,
                             view.U32(image.OptionalHeader + 8) + (rawSize - old.RawSize));

    // The bytes behind the resources, less a certificate at the very end.
    std::uint64_t tailEnd = fileSize;
    const std::uint32_t certificate = image.DirectoryAddress(kDirectoryCertificate);
    const std::uint32_t certificateSize = image.DirectorySize(kDirectoryCertificate);
    if (certificateSize != 0 && certificate >= moves.OldEnd &&
        std::uint64_t{certificate} + certificateSize >= fileSize)
        tailEnd = certificate;
    if (moves.OldEnd > tailEnd) throw EExeFormat(kDamaged);

    copy.CopyFrom(original, 0, old.RawOffset);
    std::vector<std::uint8_t> region(moves.OldEnd + moves.RawDelta - old.RawOffset, 0);
    std::copy(section.begin(), section.end(), region.begin());
    copy.WriteBuffer(region.data(), region.size());
    copy.CopyFrom(original, moves.OldEnd, tailEnd - moves.OldEnd);
    WriteAt(copy, 0, headers);
    if (const auto debugSize = image.DirectorySize(kDirectoryDebug); debugSize != 0)
        PatchDebugEntries(copy, fresh, fresh.DirectoryAddress(kDirectoryDebug), debugSize, moves);
    if (view.U32(image.ChecksumOffset()) != 0) {
        std::vector<std::uint8_t> checksum(4);
        Store<std::uint32_t>(checksum, 0, PeChecksum(copy, image.ChecksumOffset()));
        WriteAt(copy, image.ChecksumOffset(), checksum);
    }
}

} // namespace brelvane
