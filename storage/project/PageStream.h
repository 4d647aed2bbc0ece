#pragma once

#include "storage/ByteStream.h"
#include "storage/project/PageRecord.h"

#include <cstdint>
#include <string>

namespace brelvane {

enum : int {
    kReadPageTitleError = 1073,
    kLoadPageFromTargetError = 1074,
    kLoadPageFileError = 1075,
    kSavePageFileError = 1076,
    kWritePageError = 1077,
    kReadPageError = 1078,
};

// Mode 0 builds the whole page; mode 1 replaces the content of a window that
// is already showing and keeps its size, caption, icon, border, fades and menu bar.
enum class TPageReadMode { Build = 0, Replace = 1 };

// Where the read happens: a running page (player, or the designer's test
// run) and what the platform offers decide some fields.
struct TPageReadContext {
    bool Running = false;
    bool PlayerMode = false;
    bool IsNtPlatform = true;
    bool CanFade = true;
};

bool WritePage(TStream& stream, const TPageRecord& page);
bool ReadPage(TStream& stream, TPageRecord& page, TPageReadMode mode,
              const TPageReadContext& context);

// Reads `count` object records, appending each; stops at the first that fails
// (reported once, an unknown kind included) and keeps those read before it.
bool ReadObjects(TStream& stream, std::int32_t count, TAutoObjects& objects);

// Fields 1 to 10 only: enough for a page's caption and icon.
struct TPageTitle {
    std::string Caption;
    TPicture PageIcon;
};
bool ReadPageTitleFields(TStream& stream, TPageTitle& title);

// Page stream files; the save never leaves a half-written file in place.
bool LoadPageFile(const std::string& path, TPageRecord& page, TPageReadMode mode,
                  const TPageReadContext& context);
bool SavePageFile(const std::string& path, const TPageRecord& page);

} // namespace brelvane
