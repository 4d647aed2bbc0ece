#include "platform/TimerResolution.h"

namespace brelvane::platform {

// Linux sleeps to the microsecond already: nothing to ask for.
TFineTimerResolution::TFineTimerResolution() = default;
TFineTimerResolution::~TFineTimerResolution() = default;

} // namespace brelvane::platform
