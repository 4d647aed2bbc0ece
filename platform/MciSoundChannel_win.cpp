#include "platform/Media.h"
#include "platform/WideText_win.h"

#include <atomic>
#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <mmsystem.h>

namespace brelvane::platform {

namespace {
// One device of the multimedia control interface, opened by file name (the
// system picks the device for the file type) under an alias of its own.
class MciSoundChannel final : public SoundChannel {
public:
    MciSoundChannel() : alias_(L"brelvane_sound" + std::to_wstring(++lastAlias)) {}
    ~MciSoundChannel() override { Close(); }
    MciSoundChannel(const MciSoundChannel&) = delete;
    MciSoundChannel& operator=(const MciSoundChannel&) = delete;

    bool Play(const std::string& path) override {
        Close();
        const auto file = WideShellTarget(path);
        // The file type's device first; MP3 and other compressed sounds play on
        // the MPEG video device when the type names none.
        if (!Send(L"open \"" + file + L"\" alias " + alias_) &&
            !Send(L"open \"" + file + L"\" type mpegvideo alias " + alias_))
            return false;
        open_ = true;
        return Send(L"play " + alias_);
    }

    void Close() override {
        if (!open_) return;
        Send(L"close " + alias_);
        open_ = false;
    }

    bool IsPlaying() const override {
        if (!open_) return false;
        wchar_t mode[32] = {};
        return ::mciSendStringW((L"status " + alias_ + L" mode").c_str(), mode, 32, nullptr) == 0 &&
               std::wstring(mode) == L"playing";
    }

private:
    static bool Send(const std::wstring& command) {
        return ::mciSendStringW(command.c_str(), nullptr, 0, nullptr) == 0;
    }

    static inline std::atomic<int> lastAlias{0};
    std::wstring alias_;
    bool open_ = false;
};
} // namespace

std::unique_ptr<SoundChannel> CreateSystemSoundChannel() {
    return std::make_unique<MciSoundChannel>();
}

} // namespace brelvane::platform
