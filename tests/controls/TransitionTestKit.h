#pragma once

// The transition control shown at 40 x 30 with its events recorded, and a
// frame clock the tests move themselves.

#include "controls/ControlTestKit.h"
#include "objects/controls/TransitionControl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace brelvane::test {

// A clock the worker reads; waiting moves it to the deadline at once (or a
// set time past it) and notes how long the wait was. Composing a frame can be made to take time.
class TSteppedClock final : public TFrameClock {
public:
    TimePoint Now() override { return TimePoint(std::chrono::milliseconds(now_.load())); }
    void WaitUntil(std::unique_lock<std::mutex>&, std::condition_variable&, TimePoint deadline,
                   const std::function<bool()>& stop) override {
        if (stop()) return;
        const auto target =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline.time_since_epoch());
        std::lock_guard lock(mutex_);
        waits_.push_back(target.count() - now_.load());
        now_ = target.count() + overSleep_;
    }
    void Spend(long long ms) { now_ += ms; }
    // Every wait from now on ends `ms` after its deadline, as a busy machine wakes late.
    void OverSleep(long long ms) { overSleep_ = ms; }
    std::vector<long long> Waits() {
        std::lock_guard lock(mutex_);
        return waits_;
    }

private:
    std::atomic<long long> now_{1000};
    std::atomic<long long> overSleep_{0};
    std::mutex mutex_;
    std::vector<long long> waits_;
};

inline QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline constexpr QRgb kOld = 0xFF102030;
inline constexpr QRgb kNew = 0xFF0000C8;

// A shown control of 40 x 30 whose shown picture is all kOld, with
// `picture` of kNew set next; events are recorded in order.
struct TTransitionFixture {
    std::unique_ptr<TTransitionControl> control;
    std::shared_ptr<TSteppedClock> clock = std::make_shared<TSteppedClock>();
    std::vector<std::string> events;
    std::vector<int> progress;
    std::mutex progressMutex;

    TTransitionFixture() {
        EnsureApplication();
        control = std::make_unique<TTransitionControl>();
        control->SetFrameClock(clock);
        control->SetColor(QColor::fromRgb(kOld));
        control->resize(40, 30);
        control->show();
        control->OnStart = [this](const QImage&, const QImage&) { events.push_back("start"); };
        control->OnComplete = [this] { events.push_back("complete"); };
        control->OnStop = [this] { events.push_back("stop"); };
        // The worker calls this while the control is being destroyed too.
        control->OnProgress = [this, shown = control.get()] {
            std::lock_guard lock(progressMutex);
            progress.push_back(shown->Progress());
        };
        control->SetPicture(Filled(40, 30, kNew));
    }

    // Runs the event loop until the transition is over (5 s at most).
    void RunToEnd() {
        QElapsedTimer timer;
        timer.start();
        while (control->Busy() && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    int CountOf(QRgb colour) const {
        const QImage frame = control->FrameBitmap();
        int count = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                count += frame.pixel(x, y) == colour;
        return count;
    }
};

} // namespace brelvane::test
