#include "platform/MciDevice_win.h"
#include "platform/Media.h"

#include <QTimer>
#include <cwchar>

namespace brelvane::platform {

namespace {
constexpr std::int64_t kDefaultFramePeriod = 40;
constexpr int kEndPollMs = 100;

// A media file through the multimedia control interface. Its sound plays; the
// device draws pictures only into a window of its own, which a page cannot
// place, so the window stays hidden and the object shows no picture.
class MciMediaDevice final : public MediaDevice {
public:
    MciMediaDevice() {
        endPoll_.setInterval(kEndPollMs);
        QObject::connect(&endPoll_, &QTimer::timeout, [this] { CheckEnd(); });
    }

    bool Open(const std::string& path) override {
        Close();
        if (!device_.Open(path)) return false;
        device_.Send(L"window", L"state hide");
        if (OnLength) OnLength(Length());
        return true;
    }
    void Close() override {
        endPoll_.stop();
        stopped_ = false;
        device_.Close();
    }
    bool Play() override {
        if (!device_.IsOpen()) return false;
        // Played again after its end, a file starts from the beginning.
        if (Length() > 0 && Position() >= Length()) device_.Send(L"seek", L"to start");
        stopped_ = false;
        if (!device_.Send(L"play")) return false;
        endPoll_.start();
        return true;
    }
    bool Pause() override {
        if (!device_.IsOpen()) return false;
        endPoll_.stop();
        stopped_ = false;
        return device_.Send(L"pause");
    }
    bool Stop() override {
        if (!device_.IsOpen()) return false;
        endPoll_.stop();
        // The device stops where it is, as a pause that reports stopped.
        stopped_ = true;
        return device_.Send(L"pause");
    }
    bool Seek(std::int64_t position) override {
        const bool playing = Mode() == TMediaMode::Playing;
        if (!device_.Send(L"seek", L"to " + std::to_wstring(position))) return false;
        // Seeking stops the device; a playing file goes on from the new place.
        return !playing || device_.Send(L"play");
    }
    std::int64_t Length() const override { return Number(L"length"); }
    std::int64_t Position() const override { return Number(L"position"); }
    bool HasVideo() const override { return false; }
    std::int64_t FramePeriod() const override { return kDefaultFramePeriod; }
    TMediaMode Mode() const override {
        if (!device_.IsOpen()) return TMediaMode::NotOpen;
        const auto mode = device_.Status(L"mode");
        if (mode == L"playing") return TMediaMode::Playing;
        if (mode == L"paused" && !stopped_) return TMediaMode::Paused;
        return TMediaMode::Stopped;
    }

private:
    std::int64_t Number(const std::wstring& item) const {
        const auto answer = device_.Status(item);
        return answer.empty() ? 0 : std::wcstoll(answer.c_str(), nullptr, 10);
    }

    // The device ends a play by stopping by itself.
    void CheckEnd() {
        const auto mode = device_.Status(L"mode");
        if (mode == L"playing" || mode == L"seeking") return;
        endPoll_.stop();
        if (OnEnd) OnEnd();
    }

    MciDevice device_;
    QTimer endPoll_;
    bool stopped_ = false;
};
} // namespace

// Windows draws no window-system OpenGL path under clips: nothing to prepare.
void PrepareMediaOutput() {}

std::unique_ptr<MediaDevice> CreateSystemMediaDevice() {
    return std::make_unique<MciMediaDevice>();
}

} // namespace brelvane::platform
