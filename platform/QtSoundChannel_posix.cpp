#include "platform/Media.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace brelvane::platform {

namespace {

// The media back end is slow to start, so a channel opens it on first use:
// most pages never play a sound on most of their channels.
class QtSoundChannel final : public SoundChannel {
public:
    bool Play(const std::string& path) override {
        if (!player_) {
            output_ = std::make_unique<QAudioOutput>();
            player_ = std::make_unique<QMediaPlayer>();
            player_->setAudioOutput(output_.get());
        }
        player_->stop();
        player_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
        if (player_->error() != QMediaPlayer::NoError) return false;
        player_->play();
        return true;
    }
    void Close() override {
        if (!player_) return;
        player_->stop();
        player_->setSource(QUrl());
    }
    bool IsPlaying() const override {
        return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
    }

private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};
} // namespace

std::unique_ptr<SoundChannel> CreateSystemSoundChannel() {
    return std::make_unique<QtSoundChannel>();
}

} // namespace brelvane::platform
