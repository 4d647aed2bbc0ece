#include "objects/controls/TransitionControl.h"

#include "render/TransitionFrame.h"
#include "render/TransitionStyles.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cctype>
#include <utility>

namespace brelvane {

namespace {
constexpr int kMaxStyle = TransitionStyleCount;

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Pictures with transparency are shown over the control's colour.
QImage OpaqueOver(const QImage& picture, const QColor& background) {
    if (picture.format() == QImage::Format_RGB32) return picture;
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.drawImage(0, 0, picture);
    return image;
}

// Clears a flag when the scope ends, however it ends.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
};
} // namespace

TCustomTransitionControl::TCustomTransitionControl(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::Base)) {
    // Every pixel is painted here, from the back buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    unthreadedTimer_.setSingleShot(true);
    // The frame period is kept to the millisecond, as the worker keeps it.
    unthreadedTimer_.setTimerType(Qt::PreciseTimer);
    connect(&unthreadedTimer_, &QTimer::timeout, this, &TCustomTransitionControl::UnthreadedStep);
}

TCustomTransitionControl::~TCustomTransitionControl() {
    EndForDestruction();
}

void TCustomTransitionControl::EndForDestruction() {
    destroying_ = true;
    TCustomTransitionControl::Stop();
    unthreadedTimer_.stop();
    worker_.reset();
}

void TCustomTransitionControl::SetPicture(const QImage& picture) {
    picture_ = picture;
    if (destroying_) return;
    if (!picture_.isNull() && autoSize_) resize(picture_.size());
    DoChange();
}

void TCustomTransitionControl::SetBgPicture(const QImage& picture) {
    bgPicture_ = picture;
    if (!bgPicture_.isNull() && !painting_) update();
}

void TCustomTransitionControl::SetBgMode(TBackgroundMode mode) {
    bgMode_ = mode;
    if (!bgPicture_.isNull() && !painting_) update();
}

void TCustomTransitionControl::SetCenter(bool value) {
    center_ = value;
    if (!picture_.isNull()) RecomputePicRect();
    RepaintIfShowing();
}

void TCustomTransitionControl::SetStretch(bool value) {
    stretch_ = value;
    RepaintIfShowing();
}

void TCustomTransitionControl::SetStretchFine(bool value) {
    stretchFine_ = value;
    RepaintIfShowing();
}

void TCustomTransitionControl::SetManual(bool value) {
    if (value == manual_) return;
    manual_ = value;
    // Ends the worker as a stop would, without finishing the transition.
    unthreadedTimer_.stop();
    if (worker_) EndWorker();
    if (!busy_)
        progress_ = reverse_ ? 100 : 0;
    else if (!value)
        Animate();
}

void TCustomTransitionControl::SetStyle(int value) {
    if (value < 0 || value > kMaxStyle || value == style_) return;
    // Frames are always 32 bits per pixel, which the per-pixel styles need.
    style_ = value;
}

void TCustomTransitionControl::SetStep(int value) {
    step_ = std::clamp(value, 1, 100);
}

void TCustomTransitionControl::SetProgress(int value) {
    value = std::min(value, 100);
    if (!busy_ || value == progress_) return;
    ShowProgress(value, false);
}

void TCustomTransitionControl::SetColor(const QColor& color) {
    color_ = color;
    if (!painting_) update();
}

QImage TCustomTransitionControl::FrameBitmap() const {
    std::lock_guard canvas(frameCanvas_);
    return images_.Frame.copy();
}

void TCustomTransitionControl::Execute() {
    if (picture_.isNull() || busy_) return;
    busy_ = true;
    try {
        Prepare();
    } catch (...) {
        std::lock_guard lock(frameLock_);
        images_.Old = QImage();
        images_.New = QImage();
        busy_ = false;
        throw;
    }
}

void TCustomTransitionControl::Prepare() {
    const int W = picture_.width();
    const int H = picture_.height();
    QImage old(W, H, QImage::Format_RGB32);
    old.fill(color_);
    {
        std::lock_guard canvas(frameCanvas_);
        images_.Frame = QImage(W, H, QImage::Format_RGB32);
    }
    RecomputePicRect();
    const QRect capture = FrameTarget(picRect_, ClientRect(), stretch_, stretchFine_);
    if (backBuffer_.size() != size()) {
        backBuffer_ = QImage(size(), QImage::Format_RGB32);
        backgroundPending_ = true;
    }
    if (backgroundPending_ || !overDraw_) {
        QPainter painter(&backBuffer_);
        DrawBackground(painter, ClientRect());
    }
    if (!backBuffer_.isNull()) {
        QPainter painter(&old);
        painter.drawImage(QRect(0, 0, W, H), backBuffer_, capture);
    }
    {
        std::lock_guard lock(frameLock_);
        images_.Old = old;
        images_.New = OpaqueOver(ToFrameFormat(picture_), color_);
        std::lock_guard canvas(frameCanvas_);
        images_.Frame = old.copy();
    }
    progress_ = reverse_ ? 100 : 0;
    DoStart(images_.New, images_.Old);
    if (!manual_ && !stopping_) Animate();
}

void TCustomTransitionControl::Animate() {
    paintEvent_.Set();
    ++generation_;
    if (!threaded_) {
        unthreadedTimer_.start(0);
        return;
    }
    TAnimationTarget& target = *this;
    worker_ = std::make_unique<TAnimateThread>(target, generation_);
    worker_->Start(threadPriority_);
}

void TCustomTransitionControl::UnthreadedStep() {
    if (!busy_ || manual_ || stopping_) return;
    const unsigned animation = generation_;
    const auto start = clock_->Now();
    const int next = NextProgress(progress_, step_, reverse_);
    ShowProgress(next, false);
    // OnProgress runs on this thread: the host may have stopped, paused or
    // restarted the transition from it, and the animation it left is over.
    if (!busy_ || manual_ || generation_ != animation) return;
    if (ProgressAtEnd(next, reverse_)) {
        Finish();
        return;
    }
    const auto spent =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock_->Now() - start).count();
    unthreadedTimer_.start(static_cast<int>(std::max<long long>(0, delay_ - spent)));
}

bool TCustomTransitionControl::AdvanceFrame() {
    const int next = NextProgress(progress_, step_, reverse_);
    ShowProgress(next, true);
    return ProgressAtEnd(next, reverse_);
}

void TCustomTransitionControl::PostAnimationEnded(unsigned generation) {
    // By name: the call and its argument are carried by Qt alone, nothing of
    // the worker's is read on the window thread.
    QMetaObject::invokeMethod(this, "AnimationEnded", Qt::QueuedConnection,
                              Q_ARG(uint, generation));
}

void TCustomTransitionControl::AnimationEnded(uint generation) {
    // A worker ended by a stop has been joined and forgotten already.
    if (!worker_ || generation != generation_) return;
    worker_->Join();
    worker_.reset();
    if (stopping_ || !manual_) Finish();
}

void TCustomTransitionControl::EndWorker() {
    worker_->Terminate();
    paintEvent_.Set();
    worker_->Join();
    worker_.reset();
}

void TCustomTransitionControl::Stop() {
    if (!busy_ || stopping_) return;
    TFlagScope stopping(stopping_);
    unthreadedTimer_.stop();
    if (worker_) EndWorker();
    Finish();
}

void TCustomTransitionControl::Finish() {
    busy_ = false;
    {
        std::lock_guard lock(frameLock_);
        images_.Old = QImage();
        images_.New = QImage();
    }
    if (destroying_) return;
    if (!stopping_) DoComplete();
    DoStop();
}

void TCustomTransitionControl::Clear() {
    if (busy_) return;
    {
        std::lock_guard canvas(frameCanvas_);
        if (images_.Frame.isNull()) return;
        images_.Frame = QImage();
    }
    update();
}

void TCustomTransitionControl::ShowProgress(int value, bool fromWorker) {
    {
        std::lock_guard lock(frameLock_);
        progress_ = value;
        pendingRepaint_ = pendingRepaint_.united(ComposeLocked());
    }
    if (fromWorker)
        QMetaObject::invokeMethod(this, "RepaintFrame", Qt::QueuedConnection);
    else
        RepaintFrame();
    DoProgress();
}

void TCustomTransitionControl::RepaintFrame() {
    QRect changed;
    {
        std::lock_guard lock(frameLock_);
        changed = std::exchange(pendingRepaint_, QRect());
    }
    const QRect area = MapFrameRect(changed, picRect_, ClientRect(), stretch_, stretchFine_);
    // A hidden control has nothing to paint and releases the worker itself.
    if (isVisible() && updatesEnabled() && !area.isEmpty()) QWidget::repaint(area);
    paintEvent_.Set();
}

QRect TCustomTransitionControl::ComposeLocked() {
    TFrameHooks hooks;
    hooks.BeforeNewFrame = [this](const QImage& picture, QImage& screen) {
        DoBeforeNewFrame(picture, screen);
    };
    hooks.CustomDraw = [this](const QImage& picture, QImage& screen) {
        DoCustomDraw(picture, screen);
    };
    hooks.AfterNewFrame = [this](const QImage& picture, QImage& screen) {
        DoAfterNewFrame(picture, screen);
    };
    std::lock_guard canvas(frameCanvas_);
    if (images_.Old.isNull() || images_.New.isNull()) return {};
    return UpdateFrame(images_, style_, step_, progress_, hooks);
}

void TCustomTransitionControl::RecomputePicRect() {
    QSize frame;
    {
        std::lock_guard canvas(frameCanvas_);
        frame = images_.Frame.size();
    }
    picRect_ = QRect(QPoint(0, 0), frame);
    if (center_) picRect_.moveTo(Half(width() - frame.width()), Half(height() - frame.height()));
}

void TCustomTransitionControl::RepaintIfShowing() {
    bool empty = true;
    {
        std::lock_guard canvas(frameCanvas_);
        empty = images_.Frame.isNull();
    }
    if (!empty && !painting_) update();
}

void TCustomTransitionControl::DrawBackground(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, color_);
    if (bgPicture_.isNull()) return;
    const int pw = bgPicture_.width();
    const int ph = bgPicture_.height();
    switch (bgMode_) {
    case TBackgroundMode::Tiled:
        for (int row = 0; row <= rect.height() / ph; ++row)
            for (int column = 0; column <= rect.width() / pw; ++column)
                painter.drawImage(rect.left() + column * pw, rect.top() + row * ph, bgPicture_);
        break;
    case TBackgroundMode::Stretched:
        painter.drawImage(rect, bgPicture_);
        break;
    case TBackgroundMode::Centered:
        painter.drawImage(rect.left() + Half(rect.width() - pw),
                          rect.top() + Half(rect.height() - ph), bgPicture_);
        break;
    default:
        break;
    }
}

void TCustomTransitionControl::DrawBackBuffer(const QRect& area) {
    if (backBuffer_.size() != size()) {
        backBuffer_ = QImage(size(), QImage::Format_RGB32);
        backBuffer_.fill(color_);
    }
    QPainter painter(&backBuffer_);
    painter.setClipRect(area);
    DrawBackground(painter, ClientRect());
    std::lock_guard canvas(frameCanvas_);
    if (images_.Frame.isNull()) return;
    if (!stretch_)
        painter.drawImage(picRect_.topLeft(), images_.Frame);
    else
        painter.drawImage(FrameTarget(picRect_, ClientRect(), stretch_, stretchFine_),
                          images_.Frame);
}

void TCustomTransitionControl::paintEvent(QPaintEvent* event) {
    if (painting_) return;
    struct TPaintEnd {
        TCustomTransitionControl& control;
        ~TPaintEnd() {
            control.painting_ = false;
            control.paintEvent_.Set();
        }
    } end{*this};
    painting_ = true;
    const QRect area = event->rect();
    DrawBackBuffer(area);
    QPainter painter(this);
    painter.drawImage(area, backBuffer_, area);
    backgroundPending_ = false;
}

void TCustomTransitionControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    backBuffer_ = QImage(size(), QImage::Format_RGB32);
    backBuffer_.fill(color_);
    if (!picture_.isNull()) RecomputePicRect();
    RepaintIfShowing();
}

void TCustomTransitionControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (OnMouseEnter) OnMouseEnter();
}

void TCustomTransitionControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (OnMouseLeave) OnMouseLeave();
}

void TCustomTransitionControl::DoChange() {
    if (OnChange) OnChange();
}

void TCustomTransitionControl::DoProgress() {
    if (OnProgress) OnProgress();
}

void TCustomTransitionControl::DoCustomDraw(const QImage& picture, QImage& screen) {
    if (OnCustomDraw) OnCustomDraw(picture, screen);
}

void TCustomTransitionControl::DoBeforeNewFrame(const QImage& picture, QImage& screen) {
    if (OnBeforeNewFrame) OnBeforeNewFrame(picture, screen);
}

void TCustomTransitionControl::DoAfterNewFrame(const QImage& picture, QImage& screen) {
    if (OnAfterNewFrame) OnAfterNewFrame(picture, screen);
}

void TCustomTransitionControl::DoComplete() {
    if (OnComplete) OnComplete();
}

void TCustomTransitionControl::DoStart(const QImage& newBitmap, const QImage& oldBitmap) {
    if (OnStart) OnStart(newBitmap, oldBitmap);
}

void TCustomTransitionControl::DoStop() {
    if (OnStop) OnStop();
}

TTransitionControl::~TTransitionControl() {
    EndForDestruction();
}

std::string TTransitionControl::StyleName() const {
    if (Style() == 0) return "Custom";
    return TransitionStyles()[static_cast<std::size_t>(Style() - 1)].Name;
}

void TTransitionControl::SetStyleName(const std::string& name) {
    if (SameTextIgnoringCase(name, "Custom")) {
        SetStyle(0);
        return;
    }
    const auto styles = TransitionStyles();
    for (int number = 1; number <= kMaxStyle; ++number) {
        if (SameTextIgnoringCase(name, styles[static_cast<std::size_t>(number - 1)].Name)) {
            SetStyle(number);
            return;
        }
    }
}

} // namespace brelvane
