#pragma once

#include "project/PageStream.h"
#include "storage/ProjectIndex.h"

#include <cstdint>
#include <string>

namespace brelvane {

enum TDataSource : std::uint8_t { dsProjectSource = 0, dsTargetFile = 1, dsAppendedPackage = 2 };

// Where the pages of the running project are read from. After an appended
// package is unpacked, its pages come from the unpacked target file.
struct TPageSource {
    TDataSource DataSource = dsProjectSource;
    std::string BaseFolder;
    std::string DesignerTempFolder;
};

// The page stream file of an entry: the designer's working copy when it keeps
// one, else the file in the project source.
std::string PageFilePath(const TPageSource& source, const TAutoFormInfo& entry);
std::string TargetFilePathIn(const std::string& baseFolder);

// Loads an index entry's page from the current data source.
bool LoadPage(const TPageSource& source, const TAutoFormInfo& entry, TPageRecord& page,
              TPageReadMode mode, const TPageReadContext& context);
// Reads only the caption and icon of an entry's page (notebook tabs).
bool ReadPageTitle(const TPageSource& source, const TAutoFormInfo& entry, TPageTitle& title);

} // namespace brelvane
