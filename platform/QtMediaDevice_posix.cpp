#include "platform/Media.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <cmath>

namespace brelvane::platform {

namespace {
constexpr std::int64_t kDefaultFramePeriod = 40;

// A media file through Qt Multimedia; the pictures come through a video sink
// of our own rather than a video widget, so they can be drawn anywhere.
class QtMediaDevice final : public MediaDevice {
public:
    QtMediaDevice() {
        player_.setAudioOutput(&output_);
        player_.setVideoOutput(&sink_);
        QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                         [this](QMediaPlayer::MediaStatus status) { StatusChanged(status); });
        QObject::connect(&player_, &QMediaPlayer::durationChanged, &player_, [this](qint64 length) {
            if (OnLength) OnLength(length);
        });
        QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_, [this] {
            if (open_ && OnFailed) OnFailed();
        });
        QObject::connect(&sink_, &QVideoSink::videoFrameChanged, &player_,
                         [this](const QVideoFrame& frame) {
                             if (OnFrame && frame.isValid()) OnFrame(frame.toImage());
                         });
    }

    bool Open(const std::string& path) override {
        Close();
        const auto name = QString::fromStdString(path);
        if (!QFileInfo(name).isFile()) return false;
        player_.setSource(QUrl::fromLocalFile(name));
        open_ = player_.error() == QMediaPlayer::NoError &&
                player_.mediaStatus() != QMediaPlayer::InvalidMedia;
        return open_;
    }
    void Close() override {
        open_ = false;
        stopped_ = false;
        player_.stop();
        player_.setSource(QUrl());
    }
    bool Play() override {
        if (!open_) return false;
        // Played again after its end, a file starts from the beginning.
        if (player_.mediaStatus() == QMediaPlayer::EndOfMedia) player_.setPosition(0);
        stopped_ = false;
        player_.play();
        return player_.error() == QMediaPlayer::NoError;
    }
    bool Pause() override {
        if (!open_) return false;
        stopped_ = false;
        player_.pause();
        return true;
    }
    bool Stop() override {
        if (!open_) return false;
        // Qt's stop rewinds; the device stops where it is, as a pause that reports stopped.
        player_.pause();
        stopped_ = true;
        return true;
    }
    bool Seek(std::int64_t position) override {
        if (!open_) return false;
        player_.setPosition(position);
        return true;
    }
    std::int64_t Length() const override { return open_ ? player_.duration() : 0; }
    std::int64_t Position() const override { return open_ ? player_.position() : 0; }
    bool HasVideo() const override { return open_ && player_.hasVideo(); }
    std::int64_t FramePeriod() const override {
        const double rate = player_.metaData().value(QMediaMetaData::VideoFrameRate).toDouble();
        return rate > 0 ? std::max<std::int64_t>(1, std::llround(1000.0 / rate))
                        : kDefaultFramePeriod;
    }
    TMediaMode Mode() const override {
        if (!open_) return TMediaMode::NotOpen;
        switch (player_.playbackState()) {
        case QMediaPlayer::PlayingState:
            return TMediaMode::Playing;
        case QMediaPlayer::PausedState:
            return stopped_ ? TMediaMode::Stopped : TMediaMode::Paused;
        default:
            return TMediaMode::Stopped;
        }
    }

private:
    void StatusChanged(QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia && OnEnd) OnEnd();
        if (status == QMediaPlayer::InvalidMedia && open_ && OnFailed) OnFailed();
    }

    QAudioOutput output_;
    QVideoSink sink_;
    QMediaPlayer player_;
    bool open_ = false;
    bool stopped_ = false;
};

} // namespace

void PrepareMediaOutput() {
    if (qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) return;
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    // Without GL the web engine composes its pages in software.
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
}

std::unique_ptr<MediaDevice> CreateSystemMediaDevice() {
    return std::make_unique<QtMediaDevice>();
}

} // namespace brelvane::platform
