#pragma once

#include "project/PageSource.h"
#include "storage/ByteStream.h"
#include "storage/ProjectIndex.h"

#include <functional>
#include <string>

namespace brelvane {

enum : int {
    kLoadProjectDataError = 1070,
    kCreateTargetFileError = 1086,
};

// Writes the page stream of one index entry at the stream's position; a page
// that cannot be loaded or written has reported its own error.
using TPageWriter = std::function<bool(TStream& stream, const TAutoFormInfo& entry)>;

// The notice shown when the target file was written on request.
std::string TargetFileCreatedText();

// Writes "autorun.tgt" into the base folder: the index with its trailing byte,
// then every page in index order. Each entry's Offset becomes the position of
// its page, and the index is rewritten at offset 0 with the final Offsets.
// Failures of the file itself are reported with 1086 and the path; the file
// is replaced only when everything was written.
bool WriteTargetFile(const std::string& baseFolder, TProjectIndex& index,
                     const TPageWriter& writePage);

// Pages loaded from the project source (or the designer's working copies) and
// written as they were read.
TPageWriter PagesFromSource(const TPageSource& source);

// The index and its trailing byte from the start of a target file; failures
// are reported with 1070 and the path.
bool ReadTargetFile(const std::string& path, TProjectIndex& index);

} // namespace brelvane
