#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace brelvane {

// Where a transition's worker reads the time and waits out a frame period;
// tests give it a clock they move themselves.
class TFrameClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~TFrameClock() = default;
    virtual TimePoint Now() = 0;
    // Waits on `wake` until `deadline` or until `stop` gives true.
    virtual void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wake,
                           TimePoint deadline, const std::function<bool()>& stop) = 0;
};

std::shared_ptr<TFrameClock> SteadyFrameClock();

// A manual-reset event, set after every paint: the worker waits for it
// before composing the next frame, so frames never outrun the screen.
class TPaintEvent {
public:
    void Set();
    void Reset();
    bool IsSet();
    // Waits until the event is set or `stop` gives true; false when stopped.
    bool WaitOrStop(const std::function<bool()>& stop);
    // Waits until `deadline` unless `stop` gives true first.
    void SleepUntil(TFrameClock& clock, TFrameClock::TimePoint deadline,
                    const std::function<bool()>& stop);
    // Wakes every waiter so that it looks at its stop condition again.
    void Wake();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = true;
};

// What the worker asks of the control it animates.
class TAnimationTarget {
public:
    virtual ~TAnimationTarget() = default;
    virtual TPaintEvent& PaintEvent() = 0;
    virtual TFrameClock& Clock() = 0;
    virtual int FrameDelay() const = 0;
    // Sets the next progress (composes the frame and asks for its repaint);
    // true when the transition reached its end.
    virtual bool AdvanceFrame() = 0;
    // Posts the animation-ended message to the window thread.
    virtual void PostAnimationEnded(unsigned generation) = 0;
};

// The worker of one running transition. It never touches a widget: it
// composes frames through its target, waits for each to be painted, keeps
// the frame period including the drawing time and posts the end message.
class TAnimateThread {
public:
    TAnimateThread(TAnimationTarget& target, unsigned generation);
    // Ends and joins the worker.
    ~TAnimateThread();
    TAnimateThread(const TAnimateThread&) = delete;
    TAnimateThread& operator=(const TAnimateThread&) = delete;

    // Priority 0 (idle) .. 6 (time critical); 3 is normal.
    void Start(int priority);
    // Asks the loop to end and releases a waiting worker.
    void Terminate();
    void Join();
    bool LoopStarted() const { return loopStarted_; }

private:
    void Run();
    bool Stopping() const { return terminated_; }

    TAnimationTarget& target_;
    unsigned generation_;
    // A standard thread, so that its end is seen by the thread checker too.
    std::thread thread_;
    int priority_ = 3;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> loopStarted_{false};
};

} // namespace brelvane
