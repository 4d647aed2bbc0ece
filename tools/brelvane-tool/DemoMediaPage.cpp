#include "DemoMediaPage.h"

#include "objects/records/ActionArguments.h"
#include "objects/records/AutoObject.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/MediaPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/SlideShowPayload.h"
#include "player/ActionInterpreter.h"
#include "project/PageRecord.h"
#include "storage/MjpegAvi.h"
#include "storage/ProjectIndex.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>
#include <fstream>

namespace brelvane {

namespace {
constexpr const char* kSlidesFolder = "Media\\Slides";
constexpr const char* kClipFile = "Media\\clip.avi";

// A picture of the show: a coloured sky with a sun, hills and its number.
QImage Slide(int number, QColor sky, QColor hills) {
    QImage image(480, 360, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 360);
    gradient.setColorAt(0, sky.lighter(150));
    gradient.setColorAt(1, sky);
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 220, 80));
    painter.drawEllipse(QPoint(360 - number * 40, 90), 40, 40);
    painter.setBrush(hills);
    painter.drawEllipse(QRect(-120, 240, 420, 260));
    painter.setBrush(hills.darker(130));
    painter.drawEllipse(QRect(200, 260, 420, 240));
    painter.setPen(Qt::white);
    QFont font("DejaVu Sans", 64, QFont::Bold);
    painter.setFont(font);
    painter.drawText(QRect(20, 10, 200, 100), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(number));
    return image;
}

// Three seconds of a ball bouncing over a floor, ten frames a second.
TMjpegClip Clip() {
    TMjpegClip clip;
    clip.Width = 160;
    clip.Height = 120;
    clip.FramesPerSecond = 10;
    for (int i = 0; i < 30; ++i) {
        QImage frame(clip.Width, clip.Height, QImage::Format_RGB32);
        frame.fill(QColor(30, 40, 70));
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(0, 100, 160, 20, QColor(90, 160, 90));
        const int phase = i % 10;
        const int height = 60 - (phase - 5) * (phase - 5) * 60 / 25;
        QRadialGradient ball(QPointF(10 + i * 4.5, 88 - height), 12);
        ball.setColorAt(0, QColor(255, 200, 120));
        ball.setColorAt(1, QColor(220, 60, 30));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ball);
        painter.drawEllipse(QPointF(10 + i * 4.5, 88 - height), 12, 12);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        frame.save(&buffer, "JPG", 85);
        clip.Frames.emplace_back(bytes.begin(), bytes.end());
    }
    return clip;
}

std::string Native(const std::string& base, const char* relative) {
    std::string path = relative;
    for (auto& c : path)
        if (c == '\\') c = '/';
    return base + "/" + path;
}

TAutoObject& Place(TPageRecord& page, std::uint8_t kind, QRect bounds, const char* name) {
    auto* object = AddObjectRecord(page.Objects, kind, bounds.left(), bounds.top());
    object->Payload->Width = bounds.width();
    object->Payload->Height = bounds.height();
    object->Props.Name = name;
    return *object;
}

// A button that runs action `type` on `target` (an object's name or a file).
TButtonPayload& CommandButton(TPageRecord& page, const char* caption, std::uint8_t type,
                              const std::string& target, int left, int top) {
    auto* object = AddObjectRecord(page.Objects, okButton, left, top);
    auto& button = static_cast<TButtonPayload&>(*object->Payload);
    button.Caption = caption;
    object->Props.ActionType = type;
    object->Props.ActionFile = target;
    return button;
}
} // namespace

TPageRecord MediaPage() {
    TPageRecord page;
    page.Caption = "Media";
    page.PageName = "Media";
    page.PageKind = pkSubPage;
    page.Width = 600;
    page.Height = 380;
    page.Position = 4;
    page.BorderStyle = 3;
    page.BorderIcons = biSystemMenu;
    page.BackColor = RGB(0x18, 0x20, 0x38);
    page.GradientColor = RGB(0x50, 0x60, 0x90);
    page.GradientStyle = 5;

    auto& slides = Place(page, okSlideShow, QRect(20, 20, 340, 276), "Slides");
    auto& show = static_cast<TSlideShowPayload&>(*slides.Payload);
    show.WorkFolder = kSlidesFolder;
    show.Hint = "Pictures of the Media\\Slides folder";
    show.Settings.Style = 0;
    show.Settings.Interval = 1500;

    auto& clip = Place(page, okMediaPlayer, QRect(380, 20, 200, 176), "Clip");
    auto& media = static_cast<TMediaPayload&>(*clip.Payload);
    media.MediaFile = kClipFile;
    media.Hint = "A clip played in the page";

    CommandButton(page, "Previous", atPrevious, "Slides", 20, 310);
    CommandButton(page, "Next", atNext, "Slides", 110, 310);
    CommandButton(page, "Pause clip", atPause, "Clip", 380, 210);
    CommandButton(page, "Stop clip", atStop, "Clip", 470, 210);
    // The full-screen viewer on the same files; any key or click returns.
    TSlideShowArgument fullScreen;
    fullScreen.Folder = std::string("\\") + kSlidesFolder;
    fullScreen.Loop = true;
    fullScreen.TransitionStyle = 0;
    fullScreen.ImageStyle = 3;
    fullScreen.Step = 4;
    fullScreen.StepDelay = 20;
    fullScreen.Interval = 2;
    CommandButton(page, "Picture", atShowPicture, "\\Media\\Slides\\Slide 1.png", 20, 345).Hint =
        "The first slide full screen";
    CommandButton(page, "Clip", atLaunchMediaFile, kClipFile, 110, 345).Hint =
        "The clip full screen";
    CommandButton(page, "Show", atLaunchSlideShow, ComposeSlideShow(fullScreen), 200, 345).Hint =
        "The slides full screen, in a loop";
    auto* ok = AddObjectRecord(page.Objects, okButton, 500, 330);
    static_cast<TButtonPayload&>(*ok->Payload).Caption = "OK";
    static_cast<TButtonPayload&>(*ok->Payload).ButtonType = btOK;
    return page;
}

bool WriteDemoMedia(const std::string& base) {
    const auto slides = Native(base, kSlidesFolder);
    if (!QDir().mkpath(QString::fromStdString(slides))) {
        std::fprintf(stderr, "cannot create %s\n", slides.c_str());
        return false;
    }
    const std::pair<QColor, QColor> looks[] = {{QColor(60, 120, 200), QColor(60, 140, 60)},
                                               {QColor(220, 120, 60), QColor(120, 90, 50)},
                                               {QColor(40, 40, 90), QColor(30, 70, 60)},
                                               {QColor(120, 180, 220), QColor(200, 200, 210)}};
    int number = 0;
    for (const auto& [sky, hills] : looks) {
        ++number;
        const auto path = slides + "/Slide " + std::to_string(number) + ".png";
        if (!Slide(number, sky, hills).save(QString::fromStdString(path))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return false;
        }
    }
    const auto clip = Native(base, kClipFile);
    const auto bytes = MjpegAviBytes(Clip());
    std::ofstream out(clip, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", clip.c_str());
        return false;
    }
    return true;
}

} // namespace brelvane
