#pragma once

#include <QImage>
#include <cstdint>
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

enum class TMediaMode { NotOpen, Stopped, Playing, Paused };

// The device of a media player object: one file at a time, played with its
// picture (if any) handed out frame by frame, so that the object paints it
// where it wants, also offscreen. Times are milliseconds.
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    // Opens the file; false when it is missing or cannot be played. A file
    // found unplayable later is reported through OnFailed.
    virtual bool Open(const std::string& path) = 0;
    virtual void Close() = 0;
    virtual bool Play() = 0;
    virtual bool Pause() = 0;
    // Stops where it is.
    virtual bool Stop() = 0;
    virtual bool Seek(std::int64_t position) = 0;
    virtual std::int64_t Length() const = 0;
    virtual std::int64_t Position() const = 0;
    virtual bool HasVideo() const = 0;
    // The time one picture stays up (40 when the clip does not say).
    virtual std::int64_t FramePeriod() const = 0;
    virtual TMediaMode Mode() const = 0;

    // Playback reached the end of the file.
    std::function<void()> OnEnd;
    // The length became known or changed.
    std::function<void(std::int64_t length)> OnLength;
    // The file turned out unplayable after it was opened.
    std::function<void()> OnFailed;
    // A new picture of the clip.
    std::function<void(const QImage& frame)> OnFrame;
};

using MediaDeviceFactory = std::function<std::unique_ptr<MediaDevice>()>;

// Called before the application object exists. Clips come to the CPU as
// images (the object paints them itself), so the window system's OpenGL
// integration is switched off: widgets do not use it, and with it the video
// back end moves frames through GL, which stalls on software displays such
// as Xvfb after the first frame.
void PrepareMediaOutput();

// The system's own device: Qt Multimedia (QtMediaDevice_posix.cpp), the
// multimedia control interface on Windows (MciMediaDevice_win.cpp).
std::unique_ptr<MediaDevice> CreateSystemMediaDevice();

// Devices come from the installed factory: the system's by default, a fake in tests.
std::unique_ptr<MediaDevice> CreateMediaDevice();
MediaDeviceFactory SetMediaDeviceFactory(MediaDeviceFactory factory);

} // namespace brelvane::platform
