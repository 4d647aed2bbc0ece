#pragma once

#include "storage/ByteStream.h"
#include "storage/Fields.h"
#include "storage/ProjectSettings.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace brelvane {

enum : int {
    kReadIndexError = 1066,
    kWriteIndexError = 1067,
    kLoadIndexFileError = 1071,
    kSaveIndexFileError = 1072,
};

enum TPageKind : std::uint8_t {
    pkSplashScreen,
    pkScreenBackground,
    pkMainPage,
    pkSubPage,
    pkExitForm,
    pkSecurityForm,
    pkAgreementForm,
};

inline constexpr std::array<std::string_view, 7> kPageKindNames{
    "Splash Screen", "Screen Background", "Main Page",     "Sub Page",
    "Exit Form",     "Security Form",     "Agreement Form"};

// The name shown for a page kind; "" for a value outside the table.
std::string_view PageKindName(std::uint8_t kind);

// One page of the project index.
struct TAutoFormInfo {
    std::string Name;
    std::uint8_t Kind = 0;
    std::int32_t Offset = 0;
    // Not stored: the name the page stream was last saved under, and whether
    // the designer holds the page's unsaved copy in its temporary folder.
    std::string SavedName;
    bool InDesignerTemp = false;
};

// The project: its pages in index order and its settings.
struct TProjectIndex {
    static constexpr TRecordCodes Codes{kWriteIndexError, kReadIndexError};
    std::vector<std::unique_ptr<TAutoFormInfo>> Pages;
    TSettings Settings;
};

template <class Archive> bool Fields(Archive& ar, TAutoFormInfo& page) {
    if (!ar("Name", page.Name)) return false;
    // A page read back was saved under the name it is read with.
    if constexpr (kReading<Archive>) page.SavedName = page.Name;
    return ar("Kind", page.Kind) && ar("Offset", page.Offset);
}

template <class Archive> bool Fields(Archive& ar, TProjectIndex& index) {
    const auto settings = [&] { return ar("Settings", index.Settings); };
    // Older indexes start with the page count and carry no settings.
    const auto defaults = [&] { ResetSettings(index.Settings); };
    // A read fills the pages of an index read before again, in place; one
    // that fails before it reaches the page list leaves none of them.
    struct TDropUnlessReached {
        std::vector<std::unique_ptr<TAutoFormInfo>>& Pages;
        bool Reached = !kReading<Archive>;
        ~TDropUnlessReached() {
            if (!Reached) Pages.clear();
        }
    } pages{index.Pages};
    if (!MarkedSection(ar, TMarker<std::int32_t>{-1}, settings, defaults)) return false;
    pages.Reached = true;
    return ar("Pages", index.Pages);
}

// The first page of `kind` in index order, or null.
const TAutoFormInfo* FirstPageOfKind(const TProjectIndex& index, std::uint8_t kind);
// Every page of `kind`, in index order.
std::vector<const TAutoFormInfo*> PagesOfKind(const TProjectIndex& index, std::uint8_t kind);

bool WriteProjectIndex(TStream& stream, const TProjectIndex& index);
bool ReadProjectIndex(TStream& stream, TProjectIndex& index);

// The trailing flag byte after an index: written as 1, read and ignored by the
// player, absent in older files.
void WriteIndexTrailer(TStream& stream);
void ReadIndexTrailer(TStream& stream);

enum class TTrailer { Skip, Read };
bool LoadIndexFile(const std::string& path, TProjectIndex& index, TTrailer trailer);
bool SaveIndexFile(const std::string& path, const TProjectIndex& index);

} // namespace brelvane
