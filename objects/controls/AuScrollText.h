#pragma once

#include "objects/controls/AAScrollText.h"

namespace brelvane {

// Kind 7: scrolling text, started as soon as its record is shown (also in the
// designer); as a comment viewer it shows the comment from the top.
class TAuScrollText : public TAAScrollText {
    Q_OBJECT
public:
    TAuScrollText(TAutoObject& object, QWidget* parent,
                  platform::TAATimerMgr& timers = platform::TAATimerMgr::Instance());
    void Refresh() override;
};

} // namespace brelvane
