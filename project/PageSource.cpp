#include "project/PageSource.h"

#include "storage/FilePaths.h"
#include "storage/Transfer.h"

namespace brelvane {

namespace {
// Runs `read` on the target file positioned at the entry's page.
template <class Read>
bool ReadFromTarget(const TPageSource& source, const TAutoFormInfo& entry, int code, Read&& read) {
    const auto path = ResolvePath(TargetFilePathIn(source.BaseFolder));
    return FileTransfer(code, path, [&] {
        TFileStream stream(path, TFileStream::Mode::Read);
        stream.Seek(static_cast<std::uint32_t>(entry.Offset));
        return read(stream);
    });
}
} // namespace

std::string PageFilePath(const TPageSource& source, const TAutoFormInfo& entry) {
    if (entry.InDesignerTemp) return source.DesignerTempFolder + "/" + entry.Name + ".pg";
    return ResolvePath(source.BaseFolder + "/AutoRunSource/" + entry.Name + ".pg");
}

std::string TargetFilePathIn(const std::string& baseFolder) {
    return baseFolder + "/autorun.tgt";
}

bool LoadPage(const TPageSource& source, const TAutoFormInfo& entry, TPageRecord& page,
              TPageReadMode mode, const TPageReadContext& context) {
    if (source.DataSource == dsProjectSource)
        return LoadPageFile(PageFilePath(source, entry), page, mode, context);
    return ReadFromTarget(source, entry, kLoadPageFromTargetError,
                          [&](TStream& stream) { return ReadPage(stream, page, mode, context); });
}

bool ReadPageTitle(const TPageSource& source, const TAutoFormInfo& entry, TPageTitle& title) {
    if (source.DataSource != dsProjectSource)
        return ReadFromTarget(source, entry, kReadPageTitleError,
                              [&](TStream& stream) { return ReadPageTitleFields(stream, title); });
    const auto path = PageFilePath(source, entry);
    return FileTransfer(kReadPageTitleError, path, [&] {
        TFileStream stream(path, TFileStream::Mode::Read);
        return ReadPageTitleFields(stream, title);
    });
}

} // namespace brelvane
