#pragma once

#include "objects/controls/ObjectWidget.h"
#include "objects/records/MediaPayload.h"
#include "platform/Media.h"

#include <QImage>
#include <QTimer>
#include <array>
#include <memory>
#include <string>

class QSlider;
class QToolButton;

namespace brelvane {

// The picture area of a media player: the clip's current frame stretched over it.
class TMediaDisplay : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void ShowFrame(const QImage& frame);
    const QImage& Frame() const { return frame_; }
    int FramesShown() const { return framesShown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage frame_;
    int framesShown_ = 0;
};

// Kind 12: a media file played in the object, with Play, Pause and Stop
// buttons and a position track bar.
class TAuMedia : public TObjectWidget {
    Q_OBJECT
public:
    enum TMediaButton { mbPlay, mbPause, mbStop, mbNone };

    TAuMedia(TAutoObject& object, QWidget* parent);
    ~TAuMedia() override;

    void Refresh() override;

    // Opens `path` for playing; any failure sets the open-failed flag.
    void OpenFile(const std::string& path);
    // Plays the open file; nothing when none is open or opening failed.
    void PlayMedia();
    // The page shows: opens the object's file (relative to `base`) and plays
    // it when `Play` is set.
    void StartMedia(const std::string& base);
    // The page's start call: plays when `Play` is set and nothing plays yet.
    void StartCall();
    // The page hides: the device lets the file go.
    void CloseMedia();

    // Commands of actions.
    void PlayCommand();
    void StopCommand();
    void PauseCommand();
    void PreviousCommand();
    void NextCommand();
    void BackCommand();
    void StepCommand();

    // The control bar's buttons as the user presses them.
    void PressButton(TMediaButton button);
    // The timer's work, public so tests need not wait a second.
    void Tick();

    TMediaPayload& Media() const { return *PayloadAs<TMediaPayload>(); }
    platform::MediaDevice& Device() { return *device_; }
    bool OpenFailed() const { return openFailed_; }
    bool IsOpen() const { return open_; }
    TMediaButton LastButton() const { return lastButton_; }
    QToolButton* Button(TMediaButton button) const { return buttons_[button]; }
    QSlider* TrackBar() const { return trackBar_; }
    TMediaDisplay* Display() const { return display_; }
    QWidget* Bar() const { return bar_; }
    QTimer& Timer() { return timer_; }
    const std::string& FileName() const { return fileName_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildBar();
    void LayOut();
    void WireDevice();
    void Enable(bool play, bool pause, bool stop);
    void FollowPosition();
    void SetLength(std::int64_t length);
    void TrackBarMoved(int position);
    void StepFrames(int direction);
    bool Usable() const { return open_ && !openFailed_; }

    std::unique_ptr<platform::MediaDevice> device_;
    TMediaDisplay* display_ = nullptr;
    QWidget* bar_ = nullptr;
    std::array<QToolButton*, 3> buttons_{};
    QSlider* trackBar_ = nullptr;
    QTimer timer_;
    std::string fileName_;
    TMediaButton lastButton_ = mbStop;
    bool open_ = false;
    bool openFailed_ = false;
    bool updatingTrackBar_ = false;
};

} // namespace brelvane
