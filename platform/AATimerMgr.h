#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QObject;

namespace brelvane::platform {

// Milliseconds of a steady clock; tests install one they move by hand.
using TTickSource = std::function<std::uint64_t()>;
std::uint64_t SystemTickCount();

// One timer of the service. The worker reads it, so it is only touched under
// the manager's lock (TAATimer does that).
struct TAATimerObject {
    bool Enabled = true;
    int Interval = 1000;
    int RepeatCount = 0;
    // The handler runs in the main thread.
    bool SyncEvent = true;
    std::function<void()> OnTimer;
    int FiredCount = 0;
    std::uint64_t LastTick = 0;
    double Fps = 0;
};

class TAATimerMgr;

// The worker: polls the timers every millisecond while any may fire, sleeps
// until woken otherwise, and hands due main-thread timers to the main thread,
// waiting until they have run.
class TAATimerThread {
public:
    explicit TAATimerThread(TAATimerMgr& manager);
    // Stops and joins the worker.
    ~TAATimerThread();
    TAATimerThread(const TAATimerThread&) = delete;
    TAATimerThread& operator=(const TAATimerThread&) = delete;

    // A timer may fire now where none could before.
    void Wake();

private:
    void Run();
    void DeliverToMainThread();

    TAATimerMgr& manager_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool woken_ = false;
    bool delivered_ = false;
    // Lives in the main thread; the queued calls made to it run there.
    std::unique_ptr<QObject> receiver_;
    std::thread thread_;
};

// The list of timers and the worker that fires them.
class TAATimerMgr {
public:
    // The process-wide service, created on first use: the system tick count and
    // a worker thread.
    static TAATimerMgr& Instance();

    // A service of its own; without a worker its timers fire only through
    // Process (tests drive it so).
    TAATimerMgr(TTickSource ticks, bool withWorker);
    // Stops the worker, then frees the timer objects.
    ~TAATimerMgr();
    TAATimerMgr(const TAATimerMgr&) = delete;
    TAATimerMgr& operator=(const TAATimerMgr&) = delete;

    // A new timer object, enabled, its last tick now.
    TAATimerObject* Add();
    void Remove(TAATimerObject* timer);
    // Runs `change` on `timer` under the list's lock and wakes the worker.
    void Change(TAATimerObject* timer, const std::function<void(TAATimerObject&)>& change);
    // The result of `read` on `timer`, under the list's lock.
    template <class F> auto Read(const TAATimerObject* timer, F read) const {
        std::lock_guard lock(mutex_);
        return read(*timer);
    }

    std::uint64_t Now() const { return ticks_(); }

    // Fires, in the calling thread, the due timers whose SyncEvent is `sync`.
    void Process(bool sync);
    // Whether a timer with SyncEvent `sync` is due now.
    bool AnyDue(bool sync) const;
    // Whether any timer may fire at all (enabled, with an interval and a handler).
    bool AnyRunning() const;

    // One round of the worker, under one lock: fires the worker-thread timers,
    // then tells whether a main-thread timer is due and whether any runs.
    struct TPoll {
        bool MainThreadDue = false;
        bool Running = false;
    };
    TPoll Poll();

    // Receives what a handler throws; processing of that round then ends.
    std::function<void(std::exception_ptr)> OnHandlerException;

private:
    static bool Runs(const TAATimerObject& timer);
    bool Due(const TAATimerObject& timer, std::uint64_t now, bool sync) const;

    TTickSource ticks_;
    // Handlers may change or free timers, so the same thread may lock again.
    mutable std::recursive_mutex mutex_;
    std::vector<std::unique_ptr<TAATimerObject>> timers_;
    // Timers removed while processing: freed when the round is over, as a
    // handler may be running from one of them.
    std::vector<std::unique_ptr<TAATimerObject>> removed_;
    int processing_ = 0;
    std::unique_ptr<TAATimerThread> thread_;
};

} // namespace brelvane::platform
