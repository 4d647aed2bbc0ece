#pragma once

#include "objects/controls/AnimateThread.h"
#include "render/TransitionComposer.h"

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace brelvane {

// How the background picture is drawn: not at all, tiled, stretched or centred.
enum class TBackgroundMode { None, Tiled, Stretched, Centered };

// A control that replaces the picture it shows by the next one through an
// animated transition of one of the 150 styles (0 is drawn by the host).
// Frames are composed at picture size, by a worker thread unless `Threaded`
// is off, and painted through a back buffer.
//
// OnProgress, OnBeforeNewFrame, OnCustomDraw and OnAfterNewFrame run on the
// thread that composes the frame (the worker when threaded): they draw on
// the bitmaps they are given and touch no widget. The other events run on
// the window thread.
class TCustomTransitionControl : public QWidget, private TAnimationTarget {
    Q_OBJECT
public:
    explicit TCustomTransitionControl(QWidget* parent = nullptr);
    ~TCustomTransitionControl() override;

    using FrameEvent = std::function<void(const QImage& picture, QImage& screen)>;
    std::function<void()> OnChange;
    std::function<void()> OnProgress;
    FrameEvent OnCustomDraw;
    FrameEvent OnBeforeNewFrame;
    FrameEvent OnAfterNewFrame;
    std::function<void()> OnComplete;
    std::function<void(const QImage& newBitmap, const QImage& oldBitmap)> OnStart;
    std::function<void()> OnStop;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    const QImage& Picture() const { return picture_; }
    // Takes a copy; a null image clears it. Does not start a transition.
    void SetPicture(const QImage& picture);
    const QImage& BgPicture() const { return bgPicture_; }
    void SetBgPicture(const QImage& picture);
    TBackgroundMode BgMode() const { return bgMode_; }
    void SetBgMode(TBackgroundMode mode);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { autoSize_ = value; }
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool StretchFine() const { return stretchFine_; }
    void SetStretchFine(bool value);
    bool OverDraw() const { return overDraw_; }
    void SetOverDraw(bool value) { overDraw_ = value; }
    bool Threaded() const { return threaded_; }
    void SetThreaded(bool value) { threaded_ = value; }
    // 0 (idle) .. 6 (time critical).
    int ThreadPriority() const { return threadPriority_; }
    void SetThreadPriority(int value) { threadPriority_ = std::clamp(value, 0, 6); }
    bool Manual() const { return manual_; }
    void SetManual(bool value);
    int Style() const { return style_; }
    // Values above 150 (or below 0) are ignored.
    void SetStyle(int value);
    int Step() const { return step_; }
    // 0 becomes 1, above 100 becomes 100.
    void SetStep(int value);
    int Delay() const { return delay_; }
    void SetDelay(int value) { delay_ = std::clamp(value, 0, 0xFFFF); }
    int Progress() const { return progress_; }
    // The host's progress in `Manual` mode (clamped to 100; ignored unless busy).
    void SetProgress(int value);
    bool Reverse() const { return reverse_; }
    void SetReverse(bool value) { reverse_ = value; }
    bool Busy() const { return busy_; }
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    // A copy of the frame on display.
    QImage FrameBitmap() const;
    QRect PicRect() const { return picRect_; }
    void SetFrameClock(std::shared_ptr<TFrameClock> clock) { clock_ = std::move(clock); }

    // Starts a transition from what is shown to `Picture`; nothing when the
    // picture is empty or a transition is running.
    virtual void Execute();
    // Aborts the running transition: OnStop without OnComplete.
    virtual void Stop();
    // Empties the frame when no transition runs.
    virtual void Clear();

protected:
    // Ends a running transition without its events. A derived class calls it
    // first in its destructor: the worker calls virtual operations, which
    // must not meet an object whose derived part is already gone.
    void EndForDestruction();

    virtual void DrawBackground(QPainter& painter, const QRect& rect);
    virtual void DoChange();
    virtual void DoProgress();
    virtual void DoCustomDraw(const QImage& picture, QImage& screen);
    virtual void DoBeforeNewFrame(const QImage& picture, QImage& screen);
    virtual void DoAfterNewFrame(const QImage& picture, QImage& screen);
    virtual void DoComplete();
    virtual void DoStart(const QImage& newBitmap, const QImage& oldBitmap);
    virtual void DoStop();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // TAnimationTarget, called by the worker.
    TPaintEvent& PaintEvent() override { return paintEvent_; }
    TFrameClock& Clock() override { return *clock_; }
    int FrameDelay() const override { return delay_; }
    bool AdvanceFrame() override;
    void PostAnimationEnded(unsigned generation) override;

    // Repaints what the frames composed since the last repaint changed and
    // releases the worker; queued by name from the worker.
    Q_INVOKABLE void RepaintFrame();
    Q_INVOKABLE void AnimationEnded(uint generation);

    void Prepare();
    void Animate();
    void UnthreadedStep();
    void EndWorker();
    void Finish();
    // Stores the progress, composes its frame and asks for the repaint.
    void ShowProgress(int value, bool fromWorker);
    QRect ComposeLocked();
    void RecomputePicRect();
    void RepaintIfShowing();
    void DrawBackBuffer(const QRect& area);
    QRect ClientRect() const { return rect(); }

    QImage picture_;
    QImage bgPicture_;
    TBackgroundMode bgMode_ = TBackgroundMode::Tiled;
    bool autoSize_ = true;
    bool center_ = false;
    bool stretch_ = false;
    bool stretchFine_ = false;
    bool overDraw_ = true;
    bool threaded_ = true;
    int threadPriority_ = 3;
    std::atomic<bool> manual_{false};
    std::atomic<int> style_{51};
    std::atomic<int> step_{4};
    std::atomic<int> delay_{40};
    std::atomic<int> progress_{0};
    std::atomic<bool> reverse_{false};
    bool busy_ = false;
    QColor color_;
    QRect picRect_;
    QImage backBuffer_;

    // Guards the progress and the frame's composition.
    std::mutex frameLock_;
    // Guards the pixels of the frame on display (composing and painting).
    mutable std::mutex frameCanvas_;
    TTransitionImages images_;
    // The frame's changes not yet repainted (under frameLock_).
    QRect pendingRepaint_;
    TPaintEvent paintEvent_;
    std::shared_ptr<TFrameClock> clock_ = SteadyFrameClock();
    std::unique_ptr<TAnimateThread> worker_;
    // Counts the animations started, threaded or not, so that the end of one
    // is never taken for the end of a later one.
    unsigned generation_ = 0;
    QTimer unthreadedTimer_;
    TFrameClock::TimePoint unthreadedStart_;

    bool stopping_ = false;
    bool painting_ = false;
    bool backgroundPending_ = true;
    bool destroying_ = false;
};

// The published form: adds the style as its name.
class TTransitionControl : public TCustomTransitionControl {
    Q_OBJECT
public:
    using TCustomTransitionControl::TCustomTransitionControl;
    ~TTransitionControl() override;

    // "Custom" for style 0, else the style's name.
    std::string StyleName() const;
    // Looks the name up without regard to case: "Custom", then styles 1..150
    // in order; a name that matches none changes nothing.
    void SetStyleName(const std::string& name);
};

} // namespace brelvane
