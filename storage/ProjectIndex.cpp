#include "storage/ProjectIndex.h"

#include "storage/LittleEndian.h"
#include "storage/SaveFile.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

#include <cerrno>

namespace brelvane {

namespace {
constexpr std::int32_t kSettingsMarker = -1;
}

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
    return Transfer(kWriteIndexError, [&] {
        WriteField(stream, kSettingsMarker);
        if (!WriteSettings(stream, index.Settings)) return false;
        WriteField<std::int32_t>(stream, static_cast<std::int32_t>(index.Pages.size()));
        for (const auto& page : index.Pages) {
            if (!WriteString(stream, page->Name)) return false;
            WriteField(stream, page->Kind);
            WriteField(stream, page->Offset);
        }
        return true;
    });
}

bool ReadProjectIndex(TStream& stream, TProjectIndex& index) {
    // Entries of an index read before are filled again rather than freed and
    // allocated anew (snapshots are read into the same index). However the
    // read ends, the index keeps exactly the entries read in full.
    struct TEntriesRead {
        std::vector<std::unique_ptr<TAutoFormInfo>>& Pages;
        std::size_t Count = 0;
        ~TEntriesRead() { Pages.resize(Count); }
    } read{index.Pages};
    return Transfer(kReadIndexError, [&] {
        auto count = ReadField<std::int32_t>(stream);
        if (count == kSettingsMarker) {
            if (!ReadSettings(stream, index.Settings)) return false;
            count = ReadField<std::int32_t>(stream);
        } else {
            // Older indexes start with the page count and carry no settings.
            ResetSettings(index.Settings);
        }
        if (count < 0) {
            errno = 0;
            throw StreamError("bad page count");
        }
        for (std::int32_t i = 0; i < count; ++i) {
            if (read.Count == index.Pages.size())
                index.Pages.push_back(std::make_unique<TAutoFormInfo>());
            auto& page = *index.Pages[read.Count];
            if (!ReadString(stream, page.Name)) return false;
            ReadField(stream, page.Kind);
            ReadField(stream, page.Offset);
            page.SavedName = page.Name;
            page.InDesignerTemp = false;
            ++read.Count;
        }
        return true;
    });
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
