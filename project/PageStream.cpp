#include "project/PageStream.h"

#include "storage/SaveFile.h"
#include "storage/Transfer.h"

#include <cerrno>

namespace brelvane {

bool ReadContainedObject(TStream& stream, TAutoObject& object, TPayloadForm form) {
    bool unknownKind = false;
    if (ReadObject(stream, object, &unknownKind, form)) return true;
    if (unknownKind) {
        errno = 0;
        ReportError(kReadObjectError);
    }
    return false;
}

bool WritePage(TStream& stream, const TPageRecord& page) {
    return WriteRecord(stream, page);
}

bool ReadPage(TStream& stream, TPageRecord& page, TPageReadMode mode,
              const TPageReadContext& context) {
    const TApply window = mode == TPageReadMode::Replace ? TApply::Keep : TApply::Take;
    // The player switches off what the platform cannot show, in both modes.
    const TPageReading how{window,
                           context.PlayerMode && !context.IsNtPlatform ? TApply::Off : window,
                           context.PlayerMode && !context.CanFade ? TApply::Off : window,
                           context.Running ? TPayloadForm::Running : TPayloadForm::Design};
    return ReadRecord(stream, page, how);
}

bool ReadPageTitleFields(TStream& stream, TPageTitle& title) {
    return Transfer(kReadPageTitleError, [&] {
        TFieldReader reader(stream);
        TPageRecord page;
        if (!WindowFields(reader, page, TApply::Take)) return false;
        title.Caption = std::move(page.Caption);
        title.PageIcon = std::move(page.PageIcon);
        return true;
    });
}

bool LoadPageFile(const std::string& path, TPageRecord& page, TPageReadMode mode,
                  const TPageReadContext& context) {
    return FileTransfer(kLoadPageFileError, path, [&] {
        TFileStream stream(path, TFileStream::Mode::Read);
        return ReadPage(stream, page, mode, context);
    });
}

bool SavePageFile(const std::string& path, const TPageRecord& page) {
    return FileTransfer(kSavePageFileError, path, [&] {
        return SaveFileAtomically(path, [&](TStream& stream) { return WritePage(stream, page); });
    });
}

} // namespace brelvane
