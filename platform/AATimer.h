#pragma once

#include "platform/AATimerMgr.h"

#include <functional>

namespace brelvane::platform {

// A timer of the timer service: fires every Interval milliseconds, measured
// on a 1 ms poll, in the main thread unless SyncEvent is off. Its timer object
// lives in the manager's list from construction to destruction.
class TAATimer {
public:
    explicit TAATimer(TAATimerMgr& manager = TAATimerMgr::Instance());
    ~TAATimer();
    TAATimer(const TAATimer&) = delete;
    TAATimer& operator=(const TAATimer&) = delete;

    bool Enabled() const;
    // Switching on starts counting afresh: no fires yet, the last tick now.
    void SetEnabled(bool enabled);
    int Interval() const;
    // A new interval is measured from now.
    void SetInterval(int interval);
    // After this many fires the timer switches itself off; 0 = endless.
    int RepeatCount() const;
    void SetRepeatCount(int count);
    bool SyncEvent() const;
    void SetSyncEvent(bool sync);
    void SetOnTimer(std::function<void()> handler);

    // 1000 / Interval, 0 for interval 0.
    double FPS() const;
    // Interval := round(1000 / fps), fps kept within 0.0000153 .. 1000.
    void SetFPS(double fps);

    int FiredCount() const;
    // Frames per second of the last two fires.
    double MeasuredFPS() const;

private:
    TAATimerMgr& manager_;
    TAATimerObject* timer_;
};

} // namespace brelvane::platform
