#include "storage/exe/VersionStrings.h"

#include "storage/AnsiCodePage.h"
#include "storage/exe/ByteView.h"
#include "storage/exe/ElfImage.h"
#include "storage/exe/ExecutableResources.h"
#include "storage/exe/PeImage.h"
#include "storage/exe/VersionInfo.h"

#include <array>
#include <string_view>

namespace brelvane {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;

template <class T> T ReadValue(TFile& file) {
    T value{};
    file.ReadBuffer(&value, sizeof value);
    return value;
}

// The resource section as the walk sees it: where it starts in the file,
// its address and how many bytes it has.
struct Section {
    std::uint64_t Base = 0;
    std::uint32_t Address = 0;
    std::uint32_t RawSize = 0;
    bool Elf = false;
    std::uint32_t Header = 0; // offset of "PE\0\0"
};

Section PeSection(TFile& file) {
    file.Seek(0);
    if (ReadValue<std::uint16_t>(file) != 23117) throw EResourceError("File isn't an EXE file (1)");
    file.Seek(60);
    const std::uint32_t header = ReadValue<std::uint32_t>(file);
    if (header == 0) throw EResourceError("File isn't a PE file (1)");
    file.Seek(header);
    if (ReadValue<std::uint32_t>(file) != 17744) throw EResourceError("File isn't a PE file (2)");
    std::array<std::uint8_t, 20> fileHeader{};
    file.ReadBuffer(fileHeader.data(), fileHeader.size());
    const TByteView head(fileHeader, "");
    // Our Windows player is a 64-bit program, so the 64-bit optional header
    // (240 bytes, its data directories 16 bytes further on) is taken as well.
    const std::uint16_t optionalSize = head.U16(16);
    if (optionalSize != 224 && optionalSize != 240)
        throw EResourceError("File isn't a PE file (3)");
    const bool wide = optionalSize == 240;
    std::array<std::uint8_t, 240> optional{};
    file.ReadBuffer(optional.data(), optionalSize);
    const TByteView view(optional, "");
    if (view.U16(0) != (wide ? 523 : 267)) throw EResourceError("File isn't a PE file (4)");
    const std::uint32_t directories = wide ? 112 : 96;
    const std::uint32_t address = view.U32(directories + 8 * 2);
    if (address == 0 || view.U32(directories + 8 * 2 + 4) == 0)
        throw EResourceError("No resources (1)");
    const std::uint16_t sections = head.U16(2);
    for (std::uint16_t i = 0; i < sections; ++i) {
        std::array<std::uint8_t, 40> section{};
        file.ReadBuffer(section.data(), section.size());
        const TByteView entry(section, "");
        if (entry.U32(12) == address && entry.U32(16) != 0)
            return {entry.U32(20), address, entry.U32(16), false, header};
    }
    throw EResourceError("No resources (2)");
}

// Our Linux executable: the section ".rsrc", whose addresses start at 0.
Section ElfSection(TFile& file) {
    try {
        const auto location = LocateResources(file);
        if (!location) throw EResourceError("No resources (1)");
        return {location->Offset, 0, location->Size, true, 0};
    } catch (const EExeFormat&) {
        throw EResourceError("File isn't an EXE file (1)");
    }
}

// One directory level: the offset (from the section start) of the first
// identifier entry named `id` (any when 0) whose target is a subdirectory
// or, when `subdirectory` is false, data.
std::uint32_t FindEntry(TFile& file, const Section& section, std::uint32_t offset, std::uint16_t id,
                        bool subdirectory, const char* missing) {
    std::array<std::uint8_t, 16> header{};
    if (std::uint64_t{offset} + header.size() > section.RawSize) throw EResourceError(missing);
    file.Seek(section.Base + offset);
    file.ReadBuffer(header.data(), header.size());
    const TByteView view(header, "");
    const std::uint32_t named = view.U16(12), ids = view.U16(14);
    const std::uint64_t first = std::uint64_t{offset} + header.size() + named * 8ull;
    if (first + ids * 8ull > section.RawSize) throw EResourceError(missing);
    file.Seek(section.Base + first);
    for (std::uint32_t i = 0; i < ids; ++i) {
        const std::uint32_t name = ReadValue<std::uint32_t>(file);
        const std::uint32_t target = ReadValue<std::uint32_t>(file);
        if ((id == 0 || name == id) && ((target & kHighBit) != 0) == subdirectory)
            return target & ~kHighBit;
    }
    throw EResourceError(missing);
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The section the version data lies in, with the file positioned at the data.
std::pair<Section, std::uint32_t> SeekVersionData(TFile& file) {
    file.Seek(0);
    std::array<std::uint8_t, 4> magic{};
    const bool elf = file.Read(magic.data(), magic.size()) == magic.size() &&
                     magic == std::array<std::uint8_t, 4>{0x7F, 'E', 'L', 'F'};
    const Section section = elf ? ElfSection(file) : PeSection(file);
    std::uint32_t offset =
        FindEntry(file, section, 0, kResourceVersion, true, "Can't find resource (1)");
    offset = FindEntry(file, section, offset, 1, true, "Can't find resource (2)");
    offset = FindEntry(file, section, offset, 0, false, "Can't find resource (3).");
    if (std::uint64_t{offset} + 16 > section.RawSize) throw EResourceError("Invalid resource (2)");
    file.Seek(section.Base + offset);
    const std::uint32_t address = ReadValue<std::uint32_t>(file);
    const std::uint32_t size = ReadValue<std::uint32_t>(file);
    if (address < section.Address) throw EResourceError("Invalid resource (1)");
    if (std::uint64_t{address} - section.Address + size > section.RawSize)
        throw EResourceError("Invalid resource (2)");
    file.Seek(section.Base + (address - section.Address));
    return {section, size};
}

} // namespace

std::uint32_t SeekResourceData(TFile& file) {
    return SeekVersionData(file).second;
}

void RewriteVersionStrings(const std::string& path, const std::string& companyName,
                           const std::string& fileDescription, const std::string& legalCopyright) {
    TFile file(path, TFileCreation::OpenExisting, TFileAccess::ReadWrite, TFileSharing::None);
    const auto [section, size] = SeekVersionData(file);
    const std::uint64_t position = file.Position();
    std::vector<std::uint8_t> resource(size);
    file.ReadBuffer(resource.data(), resource.size());

    const std::pair<std::string_view, const std::string*> values[] = {
        {"CompanyName", &companyName},
        {"FileDescription", &fileDescription},
        {"LegalCopyright", &legalCopyright}};
    for (const auto& [key, text] : values) {
        const std::string_view keys[] = {"VS_VERSION_INFO", "StringFileInfo", kVersionTable, key};
        std::optional<TVersionValue> value;
        try {
            value = FindVersionValue(resource, keys);
        } catch (const EExeFormat&) {
        }
        if (!value) throw EResourceError("Unexpected version resource format (1)");
        for (std::size_t i = 0; i < text->size() && i < value->Characters; ++i)
            Store<std::uint16_t>(
                resource, value->Offset + 2 * i,
                static_cast<std::uint16_t>(AnsiToUnicode(static_cast<std::uint8_t>((*text)[i]))));
    }
    file.Seek(position);
    file.WriteBuffer(resource.data(), resource.size());

    // Only PE files carry a checksum; the loader checks it for drivers, tools
    // show it. Its place follows from the headers the search above checked.
    if (section.Elf) return;
    const std::uint32_t field = section.Header + 24 + 64;
    file.Seek(field);
    if (ReadValue<std::uint32_t>(file) == 0) return;
    const std::uint32_t checksum = PeChecksum(file, field);
    file.Seek(field);
    file.WriteBuffer(&checksum, sizeof checksum);
}

bool ReadVersionStrings(const std::string& path, std::string& fileDescription,
                        std::string& companyName, std::string& legalCopyright) {
    try {
        TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
        const TResourceTree tree = ReadExecutableResources(file);
        const TResource* version = tree.Find(TResourceId::Of(kResourceVersion), TResourceId::Of(1));
        if (!version) return false;
        fileDescription =
            TrimBlanks(QueryVersionString(version->Data, kVersionTable, "FileDescription"));
        companyName = TrimBlanks(QueryVersionString(version->Data, kVersionTable, "CompanyName"));
        legalCopyright =
            TrimBlanks(QueryVersionString(version->Data, kVersionTable, "LegalCopyright"));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string PadToVersionSlot(const std::string& text) {
    std::string padded = text;
    if (padded.size() < kVersionSlotLength) padded.resize(kVersionSlotLength, ' ');
    return padded;
}

} // namespace brelvane
