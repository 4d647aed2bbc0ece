// CPU time of the player showing an 800 x 600 slide show of ten 1600 x 1200
// JPEG pictures (a picture every two seconds, 50 ms between transition
// frames), as a share of one core. Needs a display (Xvfb will do).
#include "PlayerCpu.h"
#include "objects/records/AutoObject.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/SlideShowPayload.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace brelvane;
namespace fs = std::filesystem;

constexpr int kPictures = 10;
constexpr int kSettleSeconds = 3;

// Large photographs stand-ins: gradients and circles that do not compress to nothing.
bool WritePictures(const fs::path& folder) {
    fs::create_directories(folder);
    for (int i = 0; i < kPictures; ++i) {
        QImage image(1600, 1200, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 1600, 1200);
        gradient.setColorAt(0, QColor::fromHsv(i * 36, 200, 240));
        gradient.setColorAt(1, QColor::fromHsv((i * 36 + 120) % 360, 160, 90));
        painter.fillRect(image.rect(), gradient);
        for (int c = 0; c < 40; ++c) {
            painter.setBrush(QColor::fromHsv((c * 29 + i * 7) % 360, 180, 200, 160));
            painter.drawEllipse(QPoint((c * 397) % 1600, (c * 211 + i * 50) % 1200), 40 + c * 3,
                                40 + c * 2);
        }
        const auto path = folder / ("photo" + std::to_string(i) + ".jpg");
        if (!image.save(QString::fromStdString(path.string()), "JPG", 85)) return false;
    }
    return true;
}

TPageRecord SlideShowPage() {
    TPageRecord page;
    page.Caption = "Slide show";
    page.PageName = "Main Page";
    page.PageKind = pkMainPage;
    page.Width = 800;
    page.Height = 600;
    auto* object = AddObjectRecord(page.Objects, okSlideShow, 0, 0);
    auto& show = static_cast<TSlideShowPayload&>(*object->Payload);
    show.Width = 800;
    show.Height = 600;
    show.ControlBar = false;
    show.WorkFolder = "Photos";
    show.Settings.Interval = 2000;
    show.Settings.StepDelay = 50;
    return page;
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    char pattern[] = "/tmp/brelvane-slides-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    const fs::path base = pattern;
    const bool written = WritePictures(base / "Photos") &&
                         brelvane::bench::WriteOnePageProject(base, SlideShowPage(), "Slide show");
    const auto share =
        written ? brelvane::bench::PlayerCpuShare(base, BRELVANE_PLAYER, kSettleSeconds, seconds)
                : std::nullopt;
    fs::remove_all(base);
    if (!share) return 1;
    std::printf("player with an 800 x 600 slide show of %d 1600 x 1200 JPEGs: %.2f %% of one core "
                "over %.1f s\n",
                kPictures, share->Percent, share->Seconds);
    return 0;
}
