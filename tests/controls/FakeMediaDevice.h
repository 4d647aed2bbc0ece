#pragma once

// A media device without a back end: files "open" when their name does not
// contain "broken", play instantly, and the test moves the position and
// reaches the end itself.

#include "platform/Media.h"

#include <string>
#include <vector>

namespace brelvane::test {

class FakeMediaDevice final : public platform::MediaDevice {
public:
    bool Open(const std::string& path) override {
        calls.push_back("open " + path);
        mode = path.find("broken") == std::string::npos ? platform::TMediaMode::Stopped
                                                        : platform::TMediaMode::NotOpen;
        position = 0;
        return mode != platform::TMediaMode::NotOpen;
    }
    void Close() override {
        calls.push_back("close");
        mode = platform::TMediaMode::NotOpen;
    }
    bool Play() override { return Go("play", platform::TMediaMode::Playing); }
    bool Pause() override { return Go("pause", platform::TMediaMode::Paused); }
    bool Stop() override { return Go("stop", platform::TMediaMode::Stopped); }
    bool Seek(std::int64_t to) override {
        calls.push_back("seek " + std::to_string(to));
        position = to;
        return mode != platform::TMediaMode::NotOpen;
    }
    std::int64_t Length() const override { return length; }
    std::int64_t Position() const override { return position; }
    bool HasVideo() const override { return video; }
    std::int64_t FramePeriod() const override { return 40; }
    platform::TMediaMode Mode() const override { return mode; }

    // Playback runs to the end of the file.
    void ReachEnd() {
        position = length;
        mode = platform::TMediaMode::Stopped;
        if (OnEnd) OnEnd();
    }
    int Count(const std::string& call) const {
        int n = 0;
        for (const auto& c : calls)
            n += c == call;
        return n;
    }

    std::int64_t length = 5000;
    std::int64_t position = 0;
    bool video = true;
    platform::TMediaMode mode = platform::TMediaMode::NotOpen;
    std::vector<std::string> calls;

private:
    bool Go(const char* call, platform::TMediaMode to) {
        calls.push_back(call);
        if (mode == platform::TMediaMode::NotOpen) return false;
        mode = to;
        return true;
    }
};

// Media objects made while this lives get a fake device; the last one made is `Device`.
class FakeMediaDevices {
public:
    FakeMediaDevices() {
        previous_ = platform::SetMediaDeviceFactory([this] {
            auto device = std::make_unique<FakeMediaDevice>();
            last_ = device.get();
            return device;
        });
    }
    ~FakeMediaDevices() { platform::SetMediaDeviceFactory(std::move(previous_)); }
    FakeMediaDevices(const FakeMediaDevices&) = delete;
    FakeMediaDevices& operator=(const FakeMediaDevices&) = delete;
    FakeMediaDevice& Device() const { return *last_; }

private:
    platform::MediaDeviceFactory previous_;
    FakeMediaDevice* last_ = nullptr;
};

} // namespace brelvane::test
