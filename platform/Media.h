#pragma once

#include <functional>
#include <memory>
#include <string>

namespace brelvane::platform {

// One hidden player for sounds and music (the page's action, start and event
// sound channels). Playback errors are ignored by design: a menu goes on
// without its sound.
class SoundChannel {
public:
    virtual ~SoundChannel() = default;
    // Opens the file and starts playing it; false when it cannot be opened.
    virtual bool Play(const std::string& path) = 0;
    // Stops and releases the file.
    virtual void Close() = 0;
    virtual bool IsPlaying() const = 0;
};

using SoundChannelFactory = std::function<std::unique_ptr<SoundChannel>()>;

// The system's own channel: Qt Multimedia (QtSoundChannel_posix.cpp), the
// multimedia control interface on Windows (MciSoundChannel_win.cpp).
std::unique_ptr<SoundChannel> CreateSystemSoundChannel();

// Channels come from the installed factory: the system's by default, a fake
// in tests (so no audio device or media back end is needed there).
std::unique_ptr<SoundChannel> CreateSoundChannel();
// Installs `factory` and returns the previous one.
SoundChannelFactory SetSoundChannelFactory(SoundChannelFactory factory);

} // namespace brelvane::platform
