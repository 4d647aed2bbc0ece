#include "platform/Media.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace brelvane::platform {

namespace {

class QtSoundChannel final : public SoundChannel {
public:
    QtSoundChannel() { player_.setAudioOutput(&output_); }

    bool Play(const std::string& path) override {
        player_.stop();
        player_.setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
        if (player_.error() != QMediaPlayer::NoError) return false;
        player_.play();
        return true;
    }
    void Close() override {
        player_.stop();
        player_.setSource(QUrl());
    }
    bool IsPlaying() const override {
        return player_.playbackState() == QMediaPlayer::PlayingState;
    }

private:
    QAudioOutput output_;
    QMediaPlayer player_;
};

SoundChannelFactory& Factory() {
    static SoundChannelFactory factory = [] { return std::make_unique<QtSoundChannel>(); };
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
