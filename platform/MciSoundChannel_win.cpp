#include "platform/MciDevice_win.h"
#include "platform/Media.h"

namespace brelvane::platform {

namespace {
class MciSoundChannel final : public SoundChannel {
public:
    bool Play(const std::string& path) override {
        return device_.Open(path) && device_.Send(L"play");
    }
    void Close() override { device_.Close(); }
    bool IsPlaying() const override { return device_.Status(L"mode") == L"playing"; }

private:
    MciDevice device_;
};
} // namespace

std::unique_ptr<SoundChannel> CreateSystemSoundChannel() {
    return std::make_unique<MciSoundChannel>();
}

} // namespace brelvane::platform
