#pragma once

#include "objects/records/AutoObject.h"

#include <string>
#include <vector>

namespace brelvane {

// A file a selected option opens when the form is submitted, as stored:
// file and folder relative to the base folder.
struct TFormFile {
    std::string File;
    std::string Params;
    std::string Folder;
    bool Wait = false;
    bool operator==(const TFormFile&) const = default;
};

// What a submission comes to.
struct TFormVerdict {
    enum TOutcome { Stay, Refuse, Accept };
    TOutcome Outcome = Accept;
    // The message shown first (Stay and Refuse).
    std::string Caption;
    std::string Text;
    // The files to open, in page order, before the page closes (Accept).
    std::vector<TFormFile> Files;
};

// Checks a submission of the page's form, visiting the objects in page
// order; the first failure decides. A wrong edit text counts as one more
// wrong attempt of that edit box; beyond its AllowRetry (when not 0) the
// form is refused. Texts and checked states are the controls' live ones.
TFormVerdict CheckForm(TAutoObjects& objects);

} // namespace brelvane
