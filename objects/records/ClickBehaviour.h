#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/ObjectHost.h"

#include <cstdint>

namespace brelvane {

// What the page contributes to the click rules.
struct TPageClickState {
    std::uint8_t PageKind = 0;
    bool ClickContinue = false;
    bool TestRun = false;
};

// A click on the page background (`object` null) or on an object, in the
// order of the page's click rules: closing splash and exit pages, closing a
// test run on a background click, button duties, then check group, click
// sound and the click action.
void RunPageClick(const TPageClickState& page, TAutoObjects& objects, TAutoObject* object,
                  TObjectHost& host);

// Pressing and releasing play the object's sounds.
void RunMouseDown(TAutoObject& object, TObjectHost& host);
void RunMouseUp(TAutoObject& object, TObjectHost& host);

} // namespace brelvane
