#pragma once

namespace brelvane::platform {

// Holds the system's timers at 1 ms resolution while it lives: the timer
// service polls every millisecond, which Windows' default tick of 15.6 ms
// would stretch (TimerResolution_posix.cpp, _win.cpp).
class TFineTimerResolution {
public:
    TFineTimerResolution();
    ~TFineTimerResolution();
    TFineTimerResolution(const TFineTimerResolution&) = delete;
    TFineTimerResolution& operator=(const TFineTimerResolution&) = delete;
};

} // namespace brelvane::platform
