#include "platform/Media.h"

namespace brelvane::platform {

namespace {
SoundChannelFactory& Factory() {
    static SoundChannelFactory factory = CreateSystemSoundChannel;
    return factory;
}

MediaDeviceFactory& DeviceFactory() {
    static MediaDeviceFactory factory = CreateSystemMediaDevice;
    return factory;
}
} // namespace

std::unique_ptr<SoundChannel> CreateSoundChannel() {
    return Factory()();
}

SoundChannelFactory SetSoundChannelFactory(SoundChannelFactory factory) {
    std::swap(factory, Factory());
    return factory;
}

std::unique_ptr<MediaDevice> CreateMediaDevice() {
    return DeviceFactory()();
}

MediaDeviceFactory SetMediaDeviceFactory(MediaDeviceFactory factory) {
    std::swap(factory, DeviceFactory());
    return factory;
}
} // namespace brelvane::platform
