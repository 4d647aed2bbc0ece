#include "objects/controls/AnimateThread.h"

#include <QThread>

namespace brelvane {

namespace {
class TSteadyFrameClock final : public TFrameClock {
public:
    TimePoint Now() override { return std::chrono::steady_clock::now(); }
    void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wake,
                   TimePoint deadline, const std::function<bool()>& stop) override {
        wake.wait_until(lock, deadline, stop);
    }
};
} // namespace

std::shared_ptr<TFrameClock> SteadyFrameClock() {
    static const auto clock = std::make_shared<TSteadyFrameClock>();
    return clock;
}

void TPaintEvent::Set() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void TPaintEvent::Reset() {
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool TPaintEvent::IsSet() {
    std::lock_guard lock(mutex_);
    return set_;
}

bool TPaintEvent::WaitOrStop(const std::function<bool()>& stop) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return set_ || stop(); });
    return !stop();
}

void TPaintEvent::SleepUntil(TFrameClock& clock, TFrameClock::TimePoint deadline,
                             const std::function<bool()>& stop) {
    std::unique_lock lock(mutex_);
    clock.WaitUntil(lock, changed_, deadline, stop);
}

void TPaintEvent::Wake() {
    {
        // Taking the lock orders the waker's stop flag before the waiter's check.
        std::lock_guard lock(mutex_);
    }
    changed_.notify_all();
}

TAnimateThread::TAnimateThread(TAnimationTarget& target, unsigned generation)
    : target_(target), generation_(generation) {}

TAnimateThread::~TAnimateThread() {
    Terminate();
    Join();
}

void TAnimateThread::Start(int priority) {
    priority_ = std::clamp(priority, 0, 6);
    thread_ = std::thread([this] { Run(); });
}

void TAnimateThread::Terminate() {
    terminated_ = true;
    target_.PaintEvent().Wake();
}

void TAnimateThread::Join() {
    if (thread_.joinable()) thread_.join();
}

void TAnimateThread::Run() {
    QThread::currentThread()->setPriority(static_cast<QThread::Priority>(priority_));
    loopStarted_ = true;
    const auto stop = [this] { return Stopping(); };
    auto& clock = target_.Clock();
    auto start = clock.Now();
    while (!Stopping()) {
        if (!target_.PaintEvent().WaitOrStop(stop)) break;
        target_.PaintEvent().Reset();
        if (target_.AdvanceFrame()) break;
        if (Stopping()) break;
        const auto period = std::chrono::milliseconds(target_.FrameDelay());
        const auto deadline = start + period;
        if (deadline > clock.Now()) target_.PaintEvent().SleepUntil(clock, deadline, stop);
        // The next period starts where this one was due to end, so that a
        // late wake-up is taken from the next wait instead of adding up over
        // the transition; a frame later than a whole period starts afresh.
        const auto now = clock.Now();
        start = now - deadline < period ? deadline : now;
    }
    target_.PostAnimationEnded(generation_);
}

} // namespace brelvane
