#include "platform/Media.h"

namespace brelvane::platform {

namespace {
SoundChannelFactory& Factory() {
    static SoundChannelFactory factory = CreateSystemSoundChannel;
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
} // namespace brelvane::platform
