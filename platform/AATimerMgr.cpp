#include "platform/AATimerMgr.h"

#include "platform/TimerResolution.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaObject>
#include <QObject>
#include <algorithm>
#include <optional>

namespace brelvane::platform {

std::uint64_t SystemTickCount() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TAATimerThread::TAATimerThread(TAATimerMgr& manager) : manager_(manager) {
    if (auto* application = QCoreApplication::instance()) {
        receiver_ = std::make_unique<QObject>();
        receiver_->moveToThread(application->thread());
    }
    thread_ = std::thread([this] { Run(); });
}

TAATimerThread::~TAATimerThread() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void TAATimerThread::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wake_.notify_all();
}

void TAATimerThread::Run() {
    // Asked outside our lock: the list's lock is never taken under it.
    bool running = manager_.AnyRunning();
    std::optional<TFineTimerResolution> fineResolution;
    for (;;) {
        if (running && !fineResolution)
            fineResolution.emplace();
        else if (!running)
            fineResolution.reset();
        {
            std::unique_lock lock(mutex_);
            const auto wakes = [this] { return stop_ || woken_; };
            if (running)
                wake_.wait_for(lock, std::chrono::milliseconds(1), wakes);
            else
                wake_.wait(lock, wakes);
            if (stop_) return;
            woken_ = false;
        }
        const auto poll = manager_.Poll();
        running = poll.Running;
        // Crossing into the main thread costs a wake-up there: only for a due timer.
        if (receiver_ && poll.MainThreadDue) DeliverToMainThread();
    }
}

void TAATimerThread::DeliverToMainThread() {
    {
        std::lock_guard lock(mutex_);
        delivered_ = false;
    }
    QMetaObject::invokeMethod(
        receiver_.get(),
        [this] {
            manager_.Process(true);
            {
                std::lock_guard lock(mutex_);
                delivered_ = true;
            }
            wake_.notify_all();
        },
        Qt::QueuedConnection);
    // Stopping does not wait for the main thread, which may be the one stopping us.
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stop_ || delivered_; });
}

TAATimerMgr& TAATimerMgr::Instance() {
    static TAATimerMgr instance(SystemTickCount, true);
    return instance;
}

TAATimerMgr::TAATimerMgr(TTickSource ticks, bool withWorker) : ticks_(std::move(ticks)) {
    OnHandlerException = [](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            qCritical("Timer handler failed: %s", e.what());
        } catch (...) {
            qCritical("Timer handler failed");
        }
    };
    if (withWorker) thread_ = std::make_unique<TAATimerThread>(*this);
}

TAATimerMgr::~TAATimerMgr() {
    thread_.reset();
}

TAATimerObject* TAATimerMgr::Add() {
    auto timer = std::make_unique<TAATimerObject>();
    timer->LastTick = Now();
    std::lock_guard lock(mutex_);
    timers_.push_back(std::move(timer));
    return timers_.back().get();
}

void TAATimerMgr::Remove(TAATimerObject* timer) {
    std::lock_guard lock(mutex_);
    const auto found = std::find_if(timers_.begin(), timers_.end(),
                                    [timer](const auto& entry) { return entry.get() == timer; });
    if (found == timers_.end()) return;
    if (processing_ > 0) {
        removed_.push_back(std::move(*found));
        return;
    }
    timers_.erase(found);
}

void TAATimerMgr::Change(TAATimerObject* timer,
                         const std::function<void(TAATimerObject&)>& change) {
    {
        std::lock_guard lock(mutex_);
        change(*timer);
    }
    if (thread_) thread_->Wake();
}

bool TAATimerMgr::Runs(const TAATimerObject& timer) {
    return timer.Enabled && timer.Interval > 0 && timer.OnTimer;
}

bool TAATimerMgr::Due(const TAATimerObject& timer, std::uint64_t now, bool sync) const {
    return Runs(timer) && timer.SyncEvent == sync && now >= timer.LastTick &&
           now - timer.LastTick >= static_cast<std::uint64_t>(timer.Interval);
}

bool TAATimerMgr::AnyDue(bool sync) const {
    std::lock_guard lock(mutex_);
    const std::uint64_t now = Now();
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const auto& timer) { return timer && Due(*timer, now, sync); });
}

bool TAATimerMgr::AnyRunning() const {
    std::lock_guard lock(mutex_);
    return std::any_of(timers_.begin(), timers_.end(),
                       [](const auto& timer) { return timer && Runs(*timer); });
}

TAATimerMgr::TPoll TAATimerMgr::Poll() {
    std::lock_guard lock(mutex_);
    Process(false);
    return {AnyDue(true), AnyRunning()};
}

void TAATimerMgr::Process(bool sync) {
    std::lock_guard lock(mutex_);
    ++processing_;
    const std::uint64_t now = Now();
    // By index: a handler may add timers, and removed ones leave a gap until the end.
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        TAATimerObject* timer = timers_[i].get();
        if (!timer || !Due(*timer, now, sync)) continue;
        const std::uint64_t elapsed = now - timer->LastTick;
        timer->Fps = elapsed == 0 ? 0 : 1000.0 / static_cast<double>(elapsed);
        timer->LastTick = now;
        ++timer->FiredCount;
        try {
            timer->OnTimer();
        } catch (...) {
            OnHandlerException(std::current_exception());
            break;
        }
        const bool stillListed = i < timers_.size() && timers_[i].get() == timer;
        if (stillListed && timer->RepeatCount > 0 && timer->FiredCount >= timer->RepeatCount)
            timer->Enabled = false;
    }
    if (--processing_ == 0) {
        removed_.clear();
        std::erase_if(timers_, [](const auto& timer) { return !timer; });
    }
}

} // namespace brelvane::platform
