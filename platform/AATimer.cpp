#include "platform/AATimer.h"

#include <algorithm>
#include <cmath>

namespace brelvane::platform {

TAATimer::TAATimer(TAATimerMgr& manager) : manager_(manager), timer_(manager.Add()) {}

TAATimer::~TAATimer() {
    manager_.Remove(timer_);
}

bool TAATimer::Enabled() const {
    return manager_.Read(timer_, [](const TAATimerObject& t) { return t.Enabled; });
}

void TAATimer::SetEnabled(bool enabled) {
    const std::uint64_t now = manager_.Now();
    manager_.Change(timer_, [&](TAATimerObject& t) {
        if (enabled && !t.Enabled) {
            t.FiredCount = 0;
            t.LastTick = now;
        }
        t.Enabled = enabled;
    });
}

int TAATimer::Interval() const {
    return manager_.Read(timer_, [](const TAATimerObject& t) { return t.Interval; });
}

void TAATimer::SetInterval(int interval) {
    const std::uint64_t now = manager_.Now();
    manager_.Change(timer_, [&](TAATimerObject& t) {
        if (t.Interval == interval) return;
        t.Interval = interval;
        t.LastTick = now;
    });
}

int TAATimer::RepeatCount() const {
    return manager_.Read(timer_, [](const TAATimerObject& t) { return t.RepeatCount; });
}

void TAATimer::SetRepeatCount(int count) {
    manager_.Change(timer_, [&](TAATimerObject& t) { t.RepeatCount = count; });
}

bool TAATimer::SyncEvent() const {
    return manager_.Read(timer_, [](const TAATimerObject& t) { return t.SyncEvent; });
}

void TAATimer::SetSyncEvent(bool sync) {
    manager_.Change(timer_, [&](TAATimerObject& t) { t.SyncEvent = sync; });
}

void TAATimer::SetOnTimer(std::function<void()> handler) {
    manager_.Change(timer_, [&](TAATimerObject& t) { t.OnTimer = std::move(handler); });
}

double TAATimer::FPS() const {
    const int interval = Interval();
    return interval == 0 ? 0 : 1000.0 / interval;
}

void TAATimer::SetFPS(double fps) {
    const double clamped = std::isnan(fps) ? 0.0000153 : std::clamp(fps, 0.0000153, 1000.0);
    SetInterval(static_cast<int>(std::lround(1000.0 / clamped)));
}

int TAATimer::FiredCount() const {
    return manager_.Read(timer_, [](const TAATimerObject& t) { return t.FiredCount; });
}

double TAATimer::MeasuredFPS() const {
    return manager_.Read(timer_, [](const TAATimerObject& t) { return t.Fps; });
}

} // namespace brelvane::platform
