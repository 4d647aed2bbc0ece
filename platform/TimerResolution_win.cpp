#include "platform/TimerResolution.h"

#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <timeapi.h>

namespace brelvane::platform {

TFineTimerResolution::TFineTimerResolution() {
    ::timeBeginPeriod(1);
}

TFineTimerResolution::~TFineTimerResolution() {
    ::timeEndPeriod(1);
}

} // namespace brelvane::platform
