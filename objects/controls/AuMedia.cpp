#include "objects/controls/AuMedia.h"

#include "objects/controls/MediaGlyphs.h"
#include "render/AnsiText.h"
#include "storage/FilePaths.h"

#include <QPainter>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <limits>

namespace brelvane {

namespace {
constexpr int kButtonWidth = 28;
constexpr int kButtonHeight = 20;
constexpr int kTrackLeft = 86;
constexpr int kTrackThumb = 15;
constexpr int kBarHeight = kButtonHeight + 2;
constexpr int kTickMs = 1000;

int TrackValue(std::int64_t milliseconds) {
    return static_cast<int>(
        std::clamp<std::int64_t>(milliseconds, 0, std::numeric_limits<int>::max()));
}
} // namespace

void TMediaDisplay::ShowFrame(const QImage& frame) {
    frame_ = frame;
    ++framesShown_;
    update();
}

void TMediaDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (frame_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.drawImage(rect(), frame_);
}

TAuMedia::TAuMedia(TAutoObject& object, QWidget* parent)
    : TObjectWidget(object, parent), device_(platform::CreateMediaDevice()) {
    display_ = new TMediaDisplay(this);
    display_->setAttribute(Qt::WA_OpaquePaintEvent);
    display_->installEventFilter(this);
    BuildBar();
    WireDevice();
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &TAuMedia::Tick);
    timer_.start();
    Refresh();
}

TAuMedia::~TAuMedia() {
    // The device's callbacks reach into this control's children.
    device_->OnEnd = nullptr;
    device_->OnLength = nullptr;
    device_->OnFailed = nullptr;
    device_->OnFrame = nullptr;
    device_->Close();
}

void TAuMedia::BuildBar() {
    bar_ = new QWidget(this);
    bar_->setAutoFillBackground(true);
    QPalette palette = bar_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    bar_->setPalette(palette);
    const TMediaGlyph glyphs[] = {TMediaGlyph::Play, TMediaGlyph::Pause, TMediaGlyph::Stop};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton(bar_);
        button->setGeometry(i * kButtonWidth, 1, kButtonWidth, kButtonHeight);
        button->setIcon(MediaGlyph(glyphs[i]));
        button->setEnabled(false);
        const auto which = static_cast<TMediaButton>(i);
        connect(button, &QToolButton::clicked, this, [this, which] { PressButton(which); });
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    trackBar_ = new QSlider(Qt::Horizontal, bar_);
    trackBar_->setTickPosition(QSlider::NoTicks);
    trackBar_->setStyleSheet(
        QString("QSlider::handle:horizontal { width: %1px; }").arg(kTrackThumb));
    trackBar_->setEnabled(false);
    connect(trackBar_, &QSlider::valueChanged, this, &TAuMedia::TrackBarMoved);
}

void TAuMedia::WireDevice() {
    device_->OnEnd = [this] {
        if (device_->Mode() != platform::TMediaMode::Playing) Enable(true, false, false);
        FollowPosition();
    };
    device_->OnLength = [this](std::int64_t length) { SetLength(length); };
    device_->OnFailed = [this] { openFailed_ = true; };
    device_->OnFrame = [this](const QImage& frame) { display_->ShowFrame(frame); };
}

void TAuMedia::Refresh() {
    ApplyGeometry();
    display_->setToolTip(FromAnsi(Media().Hint));
    bar_->setVisible(Media().ControlBar);
    LayOut();
    update();
}

void TAuMedia::LayOut() {
    const int border = Media().Border ? 1 : 0;
    const QRect inner = rect().adjusted(border, border, -border, -border);
    const int barHeight = Media().ControlBar ? kBarHeight : 0;
    display_->setGeometry(inner.left(), inner.top(), inner.width(),
                          std::max(inner.height() - barHeight, 0));
    bar_->setGeometry(inner.left(), inner.top() + inner.height() - barHeight, inner.width(),
                      barHeight);
    trackBar_->setGeometry(kTrackLeft, 1, std::max(bar_->width() - kTrackLeft - 1, 0),
                           kButtonHeight);
}

void TAuMedia::resizeEvent(QResizeEvent* event) {
    TObjectWidget::resizeEvent(event);
    LayOut();
}

void TAuMedia::paintEvent(QPaintEvent*) {
    PaintFillAndBorder(Qt::black, Media().Border);
}

bool TAuMedia::eventFilter(QObject* watched, QEvent* event) {
    // The picture's clicks are the object's own.
    if (watched == display_) ReportChildMouse(event);
    return TObjectWidget::eventFilter(watched, event);
}

void TAuMedia::OpenFile(const std::string& path) {
    fileName_ = path;
    if (path.empty()) return;
    open_ = device_->Open(path);
    if (!open_) {
        openFailed_ = true;
        return;
    }
    trackBar_->setEnabled(true);
    SetLength(device_->Length());
    FollowPosition();
    openFailed_ = false;
}

void TAuMedia::PlayMedia() {
    if (!Usable()) return;
    if (!device_->Play()) {
        openFailed_ = true;
        return;
    }
    lastButton_ = mbPlay;
    Enable(false, true, true);
    FollowPosition();
}

void TAuMedia::StartMedia(const std::string& base) {
    if (Media().MediaFile.empty()) return;
    OpenFile(BaseRelativePath(base, Media().MediaFile));
    if (Media().Play) PlayMedia();
}

void TAuMedia::StartCall() {
    if (Media().Play && Usable() && device_->Mode() != platform::TMediaMode::Playing) PlayMedia();
}

void TAuMedia::CloseMedia() {
    device_->Close();
    open_ = false;
    trackBar_->setEnabled(false);
    Enable(false, false, false);
}

void TAuMedia::PressButton(TMediaButton button) {
    if (!Usable()) return;
    switch (button) {
    case mbPlay:
        device_->Play();
        Enable(false, true, true);
        break;
    case mbPause:
        if (device_->Mode() == platform::TMediaMode::Paused)
            device_->Play();
        else
            device_->Pause();
        Enable(false, true, true);
        break;
    case mbStop:
        device_->Stop();
        device_->Seek(0);
        Enable(true, false, false);
        break;
    case mbNone:
        return;
    }
    lastButton_ = button;
    FollowPosition();
}

void TAuMedia::Tick() {
    if (openFailed_) return;
    FollowPosition();
    const bool stopped = device_->Mode() == platform::TMediaMode::Stopped;
    if (stopped) Enable(true, false, false);
    if (Media().Loop && stopped && lastButton_ != mbStop) PlayMedia();
}

void TAuMedia::PlayCommand() {
    PressButton(mbPlay);
}

void TAuMedia::StopCommand() {
    Media().Loop = false;
    if (!Usable()) return;
    device_->Stop();
    lastButton_ = mbStop;
    Enable(true, false, false);
    FollowPosition();
}

void TAuMedia::PauseCommand() {
    PressButton(mbPause);
}

void TAuMedia::PreviousCommand() {
    if (Usable()) device_->Seek(0);
    FollowPosition();
}

void TAuMedia::NextCommand() {
    if (Usable()) device_->Seek(device_->Length());
    FollowPosition();
}

void TAuMedia::BackCommand() {
    StepFrames(-1);
}

void TAuMedia::StepCommand() {
    StepFrames(1);
}

void TAuMedia::StepFrames(int direction) {
    if (!Usable() || !device_->HasVideo()) return;
    if (device_->Mode() == platform::TMediaMode::Playing) device_->Pause();
    const auto target = std::clamp<std::int64_t>(
        device_->Position() + direction * device_->FramePeriod(), 0, device_->Length());
    device_->Seek(target);
    FollowPosition();
}

void TAuMedia::Enable(bool play, bool pause, bool stop) {
    buttons_[mbPlay]->setEnabled(play);
    buttons_[mbPause]->setEnabled(pause);
    buttons_[mbStop]->setEnabled(stop);
}

void TAuMedia::FollowPosition() {
    updatingTrackBar_ = true;
    trackBar_->setValue(TrackValue(device_->Position()));
    updatingTrackBar_ = false;
}

void TAuMedia::SetLength(std::int64_t length) {
    updatingTrackBar_ = true;
    trackBar_->setMaximum(TrackValue(length));
    trackBar_->setPageStep(std::max(TrackValue(length) / 10, 1));
    updatingTrackBar_ = false;
}

void TAuMedia::TrackBarMoved(int position) {
    if (updatingTrackBar_ || !open_) return;
    device_->Seek(position);
    device_->Stop();
    lastButton_ = mbStop;
    Enable(true, false, false);
}

} // namespace brelvane
