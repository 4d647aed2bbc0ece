#include "objects/controls/AuScrollText.h"

#include <algorithm>

namespace brelvane {

TAuScrollText::TAuScrollText(TAutoObject& object, QWidget* parent, platform::TAATimerMgr& timers)
    : TAAScrollText(object, parent, timers) {
    Refresh();
    // Whatever the stored flag says: a read scroll text scrolls.
    SetActive(true);
}

void TAuScrollText::Refresh() {
    if (const auto* payload = PayloadAs<TScrollTextPayload>()) {
        BeginUpdate();
        SetAlign(payload->Align);
        SetText(payload->Text);
        SetFonts(payload->Fonts);
        SetRepeatCount(payload->RepeatCount);
        SetRepeatDelay(payload->RepeatDelay);
        SetScrollDelay(payload->ScrollDelay);
        SetScrollStep(payload->ScrollStep);
        // The faded edge must fit.
        setMinimumHeight(std::clamp(payload->Text.FadeHeight, 20, kMaxFadeHeight));
        ApplyGeometry();
        EndUpdate();
    }
    TAAScrollText::Refresh();
}

} // namespace brelvane
