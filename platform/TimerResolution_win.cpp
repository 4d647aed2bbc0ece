#include "platform/TimerResolution.h"

#include <timeapi.h>
#include <windows.h>

namespace brelvane::platform {

TFineTimerResolution::TFineTimerResolution() {
    ::timeBeginPeriod(1);
}

TFineTimerResolution::~TFineTimerResolution() {
    ::timeEndPeriod(1);
}

} // namespace brelvane::platform
