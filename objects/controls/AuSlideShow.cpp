#include "objects/controls/AuSlideShow.h"

#include "objects/controls/MediaGlyphs.h"
#include "objects/controls/SlidePicture.h"
#include "objects/records/SlideShowConfig.h"
#include "platform/MessageBoxes.h"
#include "render/AnsiText.h"
#include "render/SystemColors.h"
#include "render/TransitionComposer.h"
#include "storage/FilePaths.h"

#include <QLabel>
#include <QToolButton>
#include <filesystem>

namespace brelvane {

namespace {
constexpr int kButtonWidth = 22;
constexpr int kButtonHeight = 19;
constexpr int kPanelWidth = 50;
constexpr int kPositionLeft = 115;
constexpr int kCaptionLeft = 170;
constexpr int kStartInterval = 1000;

struct TButtonLook {
    int left;
    TMediaGlyph glyph;
    const char* hint;
};
constexpr TButtonLook kButtons[] = {{2, TMediaGlyph::Play, "Slide Show"},
                                    {24, TMediaGlyph::First, "First"},
                                    {46, TMediaGlyph::Previous, "Previous"},
                                    {68, TMediaGlyph::Next, "Next"},
                                    {90, TMediaGlyph::Last, "Last"}};

QLabel* LoweredPanel(QWidget* parent, int left) {
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setGeometry(left, 1, kPanelWidth, kButtonHeight);
    return panel;
}

std::string WithoutExtension(const std::string& file) {
    return std::filesystem::path(file).stem().string();
}
} // namespace

TAuSlideShow::TAuSlideShow(TAutoObject& object, QWidget* parent) : TObjectWidget(object, parent) {
    transition_ = new TTransitionControl(this);
    transition_->SetAutoSize(false);
    transition_->installEventFilter(this);
    transition_->OnStop = [this] { TransitionEnded(); };
    BuildBar();
    timer_.setInterval(kStartInterval);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (Show().Play) ShowNext();
    });
    timer_.start();
    ApplyLooks();
}

void TAuSlideShow::BuildBar() {
    bar_ = new QWidget(this);
    bar_->setAutoFillBackground(true);
    QPalette palette = bar_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    bar_->setPalette(palette);
    for (int i = 0; i < 5; ++i) {
        auto* button = new QToolButton(bar_);
        button->setGeometry(kButtons[i].left, 1, kButtonWidth, kButtonHeight);
        button->setIcon(MediaGlyph(kButtons[i].glyph));
        button->setToolTip(kButtons[i].hint);
        button->setEnabled(false);
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    buttons_[bbPlay]->setCheckable(true);
    connect(buttons_[bbPlay], &QToolButton::clicked, this,
            [this](bool down) { Show().Play = down; });
    connect(buttons_[bbFirst], &QToolButton::clicked, this, &TAuSlideShow::FirstCommand);
    connect(buttons_[bbPrevious], &QToolButton::clicked, this, &TAuSlideShow::PreviousCommand);
    connect(buttons_[bbNext], &QToolButton::clicked, this, &TAuSlideShow::NextCommand);
    connect(buttons_[bbLast], &QToolButton::clicked, this, &TAuSlideShow::LastCommand);
    position_ = LoweredPanel(bar_, kPositionLeft);
    caption_ = LoweredPanel(bar_, kCaptionLeft);
}

void TAuSlideShow::Refresh() {
    ApplyGeometry();
    ApplyLooks();
    update();
}

void TAuSlideShow::ApplyLooks() {
    transition_->SetColor(ResolveColor(Show().Settings.BackColor));
    transition_->setToolTip(FromAnsi(Show().Hint));
    bar_->setVisible(Show().ControlBar);
    LayOut();
}

void TAuSlideShow::LayOut() {
    const int border = Show().Border ? 1 : 0;
    const QRect inner = rect().adjusted(border, border, -border, -border);
    const int barHeight = Show().ControlBar ? kBarHeight : 0;
    transition_->setGeometry(inner.left(), inner.top(), inner.width(),
                             std::max(inner.height() - barHeight, 0));
    bar_->setGeometry(inner.left(), inner.top() + inner.height() - barHeight, inner.width(),
                      barHeight);
    caption_->setGeometry(kCaptionLeft, 1, std::max(bar_->width() - kCaptionLeft - 1, 0),
                          kButtonHeight);
}

void TAuSlideShow::resizeEvent(QResizeEvent* event) {
    TObjectWidget::resizeEvent(event);
    LayOut();
}

void TAuSlideShow::paintEvent(QPaintEvent*) {
    PaintFillAndBorder(ResolveColor(Show().Settings.BackColor), Show().Border);
}

bool TAuSlideShow::eventFilter(QObject* watched, QEvent* event) {
    // The picture's clicks are the object's own.
    if (watched == transition_) ReportChildMouse(event);
    return TObjectWidget::eventFilter(watched, event);
}

void TAuSlideShow::ApplyFolder(const std::string& base) {
    auto& show = Show();
    if (show.WorkFolder.empty()) return;
    const auto folder = BaseRelativePath(base, show.WorkFolder);
    if (!FolderExists(folder)) return;
    folder_ = folder;
    sequence_.NextIndex = 0;
    sequence_.Pictures = ListSlidePictures(folder);
    if (const auto config = FindSlideShowConfig(folder); !config.empty()) {
        auto entries = sequence_.Entries;
        if (ReadSlideShowConfigFile(config, entries) == TConfigRead::WrongMagic)
            platform::ShowErrorBox(this, "ERROR",
                                   FromAnsi("Invalid file format \"" + config + "\"."));
        else
            sequence_.Entries = std::move(entries);
    }
    UpdateButtons(sequence_.NextIndex);
    SetPlayToggle(show.Play);
    bar_->update();
}

void TAuSlideShow::ShowNext() {
    // Stopped first: the end of a transition switches the timer on.
    if (transition_->Busy()) transition_->Stop();
    timer_.stop();
    const auto plan = sequence_.PlanNext(Show());
    if (!plan) return;
    std::string error;
    const QImage picture =
        LoadSlidePicture(folder_ + "/" + plan->File, transition_->size(), plan->ImageStyle, error);
    if (picture.isNull()) {
        platform::ShowErrorBox(this, FromAnsi(error));
        return;
    }
    transition_->SetStep(plan->Step);
    transition_->SetDelay(plan->StepDelay);
    transition_->SetStyle(plan->Style);
    transition_->SetPicture(ComposeFitted(picture, transition_->size(),
                                          ResolveColor(plan->BackColor).rgb(), plan->ImageStyle));
    timer_.setInterval(plan->Interval);
    caption_->setText(FromAnsi(WithoutExtension(plan->File)));
    position_->setText(QString("%1/%2").arg(plan->Index + 1).arg(sequence_.Pictures.size()));
    UpdateButtons(plan->Index);
    sequence_.Advance(*plan, Show());
    if (!Show().Play) SetPlayToggle(false);
    transition_->Execute();
}

void TAuSlideShow::StartShow() {
    if (!sequence_.Pictures.empty() && !transition_->Busy() && !timer_.isActive()) timer_.start();
}

void TAuSlideShow::TransitionEnded() {
    if (!sequence_.Pictures.empty() && !transition_->Busy()) timer_.start();
}

void TAuSlideShow::UpdateButtons(int index) {
    const auto states = sequence_.ButtonsFor(index);
    buttons_[bbPlay]->setEnabled(states.Play);
    buttons_[bbFirst]->setEnabled(states.First);
    buttons_[bbPrevious]->setEnabled(states.Previous);
    buttons_[bbNext]->setEnabled(states.Next);
    buttons_[bbLast]->setEnabled(states.Last);
}

void TAuSlideShow::SetPlayToggle(bool down) {
    buttons_[bbPlay]->setChecked(down);
}

void TAuSlideShow::PlayCommand() {
    Show().Play = true;
    SetPlayToggle(true);
}

void TAuSlideShow::StopCommand() {
    Show().Play = false;
    SetPlayToggle(false);
}

void TAuSlideShow::FirstCommand() {
    sequence_.First();
    ShowNext();
}

void TAuSlideShow::PreviousCommand() {
    sequence_.Previous();
    ShowNext();
}

void TAuSlideShow::NextCommand() {
    ShowNext();
}

void TAuSlideShow::LastCommand() {
    sequence_.Last();
    ShowNext();
}

void TAuSlideShow::LoadFolder(const std::string& base, const std::string& folder) {
    Show().WorkFolder = folder;
    ApplyFolder(base);
    PlayCommand();
    PreviousCommand();
}

} // namespace brelvane
