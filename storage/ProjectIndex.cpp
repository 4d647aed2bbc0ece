#include "storage/ProjectIndex.h"

#include "storage/LittleEndian.h"
#include "storage/SaveFile.h"
#include "storage/Transfer.h"

namespace brelvane {

std::string_view PageKindName(std::uint8_t kind) {
    return kind < kPageKindNames.size() ? kPageKindNames[kind] : std::string_view();
}

std::vector<const TAutoFormInfo*> PagesOfKind(const TProjectIndex& index, std::uint8_t kind) {
    std::vector<const TAutoFormInfo*> pages;
    for (const auto& page : index.Pages)
        if (page->Kind == kind) pages.push_back(page.get());
    return pages;
}

const TAutoFormInfo* FirstPageOfKind(const TProjectIndex& index, std::uint8_t kind) {
    const auto pages = PagesOfKind(index, kind);
    return pages.empty() ? nullptr : pages.front();
}

bool WriteProjectIndex(TStream& stream, const TProjectIndex& index) {
    return WriteRecord(stream, index);
}

bool ReadProjectIndex(TStream& stream, TProjectIndex& index) {
    return ReadRecord(stream, index);
}

void WriteIndexTrailer(TStream& stream) {
    WriteField<std::uint8_t>(stream, 1);
}

void ReadIndexTrailer(TStream& stream) {
    std::uint8_t ignored = 0;
    ReadOptionalField(stream, ignored);
}

bool LoadIndexFile(const std::string& path, TProjectIndex& index, TTrailer trailer) {
    return FileTransfer(kLoadIndexFileError, path, [&] {
        TFileStream stream(path, TFileStream::Mode::Read);
        if (!ReadProjectIndex(stream, index)) return false;
        if (trailer == TTrailer::Read) ReadIndexTrailer(stream);
        return true;
    });
}

bool SaveIndexFile(const std::string& path, const TProjectIndex& index) {
    return FileTransfer(kSaveIndexFileError, path, [&] {
        return SaveFileAtomically(path, [&](TStream& stream) {
            if (!WriteProjectIndex(stream, index)) return false;
            WriteIndexTrailer(stream);
            return true;
        });
    });
}

} // namespace brelvane
