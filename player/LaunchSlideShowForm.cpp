#include "player/LaunchSlideShowForm.h"

#include "objects/controls/AuMedia.h"
#include "objects/controls/AuSlideShow.h"
#include "objects/controls/ControlFactory.h"
#include "objects/controls/SlidePicture.h"
#include "objects/records/ActionArguments.h"
#include "objects/records/MediaPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/SlideShowPayload.h"
#include "player/NewHint.h"
#include "player/PlayerEnvironment.h"
#include "storage/FilePaths.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <functional>

namespace brelvane {

namespace {
int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

// The picture at `size`, decoded once at that size where the codec can.
QImage ReadPicture(const std::string& path, QSize client) {
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    if (natural.isValid()) {
        const QSize shown = FittedViewerSize(natural, client);
        if (shown != natural) reader.setScaledSize(shown);
        const QImage image = reader.read();
        if (!image.isNull()) return image;
    }
    // Pictures the image readers do not know (metafiles) at their own size.
    std::string error;
    QImage image = LoadSlidePicture(path, client, 0, error);
    if (image.isNull()) return image;
    const QSize shown = FittedViewerSize(image.size(), client);
    return shown == image.size()
               ? image
               : image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QRect ScreenOf(QWidget* page) {
    if (page && page->screen()) return page->screen()->geometry();
    return ScreenGeometryAt(QPoint(0, 0));
}
} // namespace

QSize FittedViewerSize(QSize picture, QSize client) {
    const double w = std::max(picture.width(), 1);
    const double h = std::max(picture.height(), 1);
    const int W = std::max(client.width(), 1);
    const int H = std::max(client.height(), 1);
    const bool wide = w > W;
    const bool tall = h > H;
    if (wide && tall) {
        const int a = Rounded(H / h * w);
        if (a > W) return {W, Rounded(W / w * h)};
        return {a, H};
    }
    if (wide) return {W, Rounded(W / w * h)};
    if (tall) return {Rounded(H / h * w), H};
    return {static_cast<int>(w), static_cast<int>(h)};
}

TLaunchSlideShowForm::TLaunchSlideShowForm(const QRect& screen, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      music_(platform::CreateSoundChannel()) {
    setGeometry(screen);
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
}

TLaunchSlideShowForm::~TLaunchSlideShowForm() {
    music_->Close();
}

bool TLaunchSlideShowForm::PreparePicture(const std::string& path) {
    if (!FileExists(path)) return false;
    picture_ = ReadPicture(path, size());
    if (picture_.isNull()) return false;
    const QSize shown = picture_.size();
    pictureRect_ =
        QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    return true;
}

template <class P> P& TLaunchSlideShowForm::AddObject(std::uint8_t kind) {
    auto payload = std::make_unique<P>();
    P& added = *payload;
    added.Width = width();
    added.Height = height();
    object_.Kind = kind;
    object_.Payload = std::move(payload);
    return added;
}

bool TLaunchSlideShowForm::PrepareMediaFile(const std::string& path) {
    if (!FileExists(path)) return false;
    auto& media = AddObject<TMediaPayload>(okMediaPlayer);
    media.ControlBar = false;
    media.Loop = false;
    object_.SetControl(CreateObjectControl(object_, this));
    auto* player = MediaPlayer();
    player->Refresh();
    player->OpenFile(path);
    player->PlayMedia();
    if (player->OpenFailed()) {
        object_.Control.reset();
        return false;
    }
    WatchInput();
    return true;
}

bool TLaunchSlideShowForm::PrepareSlideShow(const std::string& argument, const std::string& base) {
    const auto parsed = ParseSlideShow(argument);
    if (!parsed || !FolderExists(BaseRelativePath(base, parsed->Folder))) return false;
    auto& show = AddObject<TSlideShowPayload>(okSlideShow);
    show.ControlBar = false;
    show.Loop = parsed->Loop;
    show.WorkFolder = parsed->Folder;
    show.Settings.Style = parsed->TransitionStyle;
    show.Settings.Step = parsed->Step;
    show.Settings.StepDelay = parsed->StepDelay;
    show.Settings.Interval = parsed->Interval * 1000;
    show.Settings.ImageStyle = parsed->ImageStyle;
    show.Settings.BackColor = parsed->BackgroundColor;
    object_.SetControl(CreateObjectControl(object_, this));
    auto* control = SlideShow();
    control->Refresh();
    control->ApplyFolder(base);
    control->StartShow();
    if (!parsed->MusicFile.empty()) {
        const auto music = BaseRelativePath(base, parsed->MusicFile);
        // A show goes on without its music.
        if (FileExists(music)) music_->Play(music);
    }
    WatchInput();
    return true;
}

TAuMedia* TLaunchSlideShowForm::MediaPlayer() const {
    return dynamic_cast<TAuMedia*>(object_.Control.get());
}

TAuSlideShow* TLaunchSlideShowForm::SlideShow() const {
    return dynamic_cast<TAuSlideShow*>(object_.Control.get());
}

void TLaunchSlideShowForm::WatchInput() {
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TLaunchSlideShowForm::eventFilter(QObject* watched, QEvent* event) {
    // Keys and clicks anywhere on the content close the viewer.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TLaunchSlideShowForm::keyPressEvent(QKeyEvent*) {
    accept();
}

void TLaunchSlideShowForm::mouseReleaseEvent(QMouseEvent*) {
    accept();
}

void TLaunchSlideShowForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!picture_.isNull()) painter.drawImage(pictureRect_.topLeft(), picture_);
}

void TLaunchSlideShowForm::done(int result) {
    if (auto* show = SlideShow()) {
        show->StopCommand();
        show->Timer().stop();
        if (show->Transition().Busy()) show->Transition().Stop();
    }
    if (auto* media = MediaPlayer()) media->CloseMedia();
    music_->Close();
    QDialog::done(result);
}

namespace {
bool RunViewer(QWidget* page, const std::function<bool(TLaunchSlideShowForm&)>& prepare) {
    TLaunchSlideShowForm viewer(ScreenOf(page), page);
    if (!prepare(viewer)) return false;
    viewer.exec();
    return true;
}
} // namespace

bool ShowPicture(QWidget* page, const std::string& file) {
    return RunViewer(page, [&](auto& viewer) { return viewer.PreparePicture(BaseResolved(file)); });
}

bool LaunchMediaFile(QWidget* page, const std::string& file) {
    return RunViewer(page,
                     [&](auto& viewer) { return viewer.PrepareMediaFile(BaseResolved(file)); });
}

bool LaunchSlideShow(QWidget* page, const std::string& argument) {
    return RunViewer(page, [&](auto& viewer) {
        return viewer.PrepareSlideShow(argument, PlayerEnvironment().Source.BaseFolder);
    });
}

} // namespace brelvane
