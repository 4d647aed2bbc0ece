#include "controls/FakeMediaDevice.h"
#include "objects/controls/AuMedia.h"
#include "objects/controls/AuSlideShow.h"
#include "objects/records/ActionArguments.h"
#include "player/ActionInterpreter.h"
#include "player/LaunchSlideShowForm.h"
#include "player/PlayerProject.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <zlib.h>

namespace brelvane::test {
namespace {

TEST(FittedViewerSize, FitsLargePicturesKeepingTheirProportions) {
    const QSize screen(1024, 768);
    EXPECT_EQ(FittedViewerSize({400, 300}, screen), QSize(400, 300));
    EXPECT_EQ(FittedViewerSize({2048, 1536}, screen), QSize(1024, 768));
    EXPECT_EQ(FittedViewerSize({3000, 1000}, screen), QSize(1024, 341));
    EXPECT_EQ(FittedViewerSize({1000, 3000}, screen), QSize(256, 768));
    // Both too large, the width still too large after fitting the height.
    EXPECT_EQ(FittedViewerSize({2000, 1000}, screen), QSize(1024, 512));
    // Rounded to the nearest: 768 / 1000 * 1401 = 1075.97 > 1024; 1024 / 1401 * 1000 = 730.9.
    EXPECT_EQ(FittedViewerSize({1401, 1000}, screen), QSize(1024, 731));
    EXPECT_EQ(FittedViewerSize({0, 0}, screen), QSize(1, 1));
}

// A project whose base folder holds pictures, a clip and a slide-show folder,
// and a shown main page whose actions open the viewer.
class FullScreenViewer : public ::testing::Test {
protected:
    void SetUp() override {
        project.AddPage(TestPage("Main", pkMainPage));
        ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
        form.show();
        SavePicture("small.png", {400, 300}, Qt::red);
        SavePicture("large.jpg", {2048, 1536}, Qt::green);
        SavePicture("wide.png", {3000, 1000}, Qt::blue);
        std::ofstream(project.File("broken.png")) << "not a picture";
        std::ofstream(project.File("clip.avi")) << "clip";
        std::ofstream(project.File("music.mp3")) << "music";
        std::filesystem::create_directory(project.File("Pics"));
        SavePicture("Pics/one.png", {64, 48}, Qt::yellow);
        SavePicture("Pics/two.png", {64, 48}, Qt::cyan);
    }

    void SavePicture(const std::string& name, QSize size, Qt::GlobalColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(project.File(name))));
    }

    static std::string ShowArgument(const std::string& folder) {
        TSlideShowArgument argument;
        argument.Folder = folder;
        argument.Loop = true;
        argument.TransitionStyle = 7;
        argument.ImageStyle = 1;
        argument.Step = 8;
        argument.StepDelay = 10;
        argument.Interval = 3;
        argument.BackgroundColor = 255;
        argument.MusicFile = "\\music.mp3";
        return ComposeSlideShow(argument);
    }

    // Runs `inside` on the viewer once it shows modally.
    static void WhenViewerShows(std::function<void(TLaunchSlideShowForm&)> inside) {
        QTimer::singleShot(0, [inside] {
            auto* viewer = qobject_cast<TLaunchSlideShowForm*>(QApplication::activeModalWidget());
            if (!viewer) {
                ADD_FAILURE() << "no viewer shows";
                return;
            }
            inside(*viewer);
        });
    }
    static void PressKey(QWidget* widget) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
        QApplication::sendEvent(widget, &key);
    }
    static void Click(QWidget* widget) {
        const QPointF at(5, 5);
        QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    }

    FakeMediaDevices devices;
    PlayerProject project;
    TAutoRunForm form;
    const QRect screen{0, 0, 1024, 768};
};

TEST_F(FullScreenViewer, PicturesAreCentredAndScaledOnce) {
    TLaunchSlideShowForm small(screen);
    ASSERT_TRUE(small.PreparePicture(project.File("small.png")));
    EXPECT_EQ(small.PictureRect(), QRect(312, 234, 400, 300));
    const QImage shown = small.grab().toImage();
    EXPECT_EQ(shown.size(), QSize(1024, 768));
    EXPECT_EQ(shown.pixel(512, 384) | 0xff000000, qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(311, 384) | 0xff000000, qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(5, 5) | 0xff000000, qRgb(0, 0, 0));

    TLaunchSlideShowForm large(screen);
    ASSERT_TRUE(large.PreparePicture(project.File("large.jpg")));
    EXPECT_EQ(large.PictureRect(), QRect(0, 0, 1024, 768));
    // Decoded at the shown size, not scaled at each paint.
    EXPECT_EQ(large.Picture().size(), QSize(1024, 768));

    TLaunchSlideShowForm wide(screen);
    ASSERT_TRUE(wide.PreparePicture(project.File("wide.png")));
    EXPECT_EQ(wide.PictureRect(), QRect(0, 213, 1024, 341));
}

TEST_F(FullScreenViewer, MissingOrBrokenFilesFailAndShowNothing) {
    TLaunchSlideShowForm viewer(screen);
    EXPECT_FALSE(viewer.PreparePicture(project.File("none.png")));
    EXPECT_FALSE(viewer.PreparePicture(project.File("broken.png")));
    EXPECT_FALSE(viewer.PrepareMediaFile(project.File("none.avi")));
    EXPECT_FALSE(viewer.PrepareSlideShow(ShowArgument("\\NoSuchFolder"),
                                         PlayerEnvironment().Source.BaseFolder));
    EXPECT_FALSE(
        viewer.PrepareSlideShow("\\Pics|Y|x|1|4|50|2|0|", PlayerEnvironment().Source.BaseFolder));
    EXPECT_EQ(viewer.MediaPlayer(), nullptr);
    EXPECT_EQ(viewer.SlideShow(), nullptr);
    // The actions return at once: no modal viewer was shown.
    EXPECT_FALSE(ExecuteAction(form, Action(atShowPicture, "\\none.png")));
    EXPECT_FALSE(ExecuteAction(form, Action(atShowPicture, "broken.png")));
    EXPECT_FALSE(ExecuteAction(form, Action(atLaunchMediaFile, "\\none.avi")));
    EXPECT_FALSE(ExecuteAction(form, Action(atLaunchSlideShow, ShowArgument("\\Gone"))));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(FullScreenViewer, HugePictureDecodesAtTheShownSizeOrFails) {
    // A PNG header that claims 60000 x 60000 pixels (14 GB decoded) and no data.
    std::vector<unsigned char> png{0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13};
    const unsigned char header[] = {'I', 'H',  'D',  'R', 0, 0, 0xea, 0x60, 0,
                                    0,   0xea, 0x60, 8,   2, 0, 0,    0};
    png.insert(png.end(), std::begin(header), std::end(header));
    const auto crc = crc32(0, header, sizeof header);
    for (int shift = 24; shift >= 0; shift -= 8)
        png.push_back((crc >> shift) & 0xff);
    std::ofstream(project.File("huge.png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    TLaunchSlideShowForm viewer(screen);
    EXPECT_FALSE(viewer.PreparePicture(project.File("huge.png")));
    EXPECT_TRUE(viewer.Picture().isNull());
    // A large JPEG is read at the size it is shown at.
    SavePicture("tall.jpg", {1200, 3600}, Qt::magenta);
    ASSERT_TRUE(viewer.PreparePicture(project.File("tall.jpg")));
    EXPECT_EQ(viewer.Picture().size(), QSize(256, 768));
}

TEST_F(FullScreenViewer, MediaFilePlaysWithoutBarOrLoop) {
    TLaunchSlideShowForm viewer(screen);
    ASSERT_TRUE(viewer.PrepareMediaFile(project.File("clip.avi")));
    auto* media = viewer.MediaPlayer();
    ASSERT_NE(media, nullptr);
    EXPECT_FALSE(media->Media().Loop);
    EXPECT_FALSE(media->Media().ControlBar);
    EXPECT_EQ(media->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(devices.Device().mode, platform::TMediaMode::Playing);

    TLaunchSlideShowForm broken(screen);
    std::ofstream(project.File("broken.avi")) << "x";
    EXPECT_FALSE(broken.PrepareMediaFile(project.File("broken.avi")));
}

TEST_F(FullScreenViewer, SlideShowTakesItsSettingsFromTheArgument) {
    TLaunchSlideShowForm viewer(screen);
    ASSERT_TRUE(
        viewer.PrepareSlideShow(ShowArgument("Pics"), PlayerEnvironment().Source.BaseFolder));
    auto* show = viewer.SlideShow();
    ASSERT_NE(show, nullptr);
    const auto& settings = show->Show().Settings;
    EXPECT_EQ(settings.Style, 7);
    EXPECT_EQ(settings.ImageStyle, 1);
    EXPECT_EQ(settings.Step, 8);
    EXPECT_EQ(settings.StepDelay, 10);
    EXPECT_EQ(settings.Interval, 3000);
    EXPECT_EQ(settings.BackColor, 255);
    EXPECT_TRUE(show->Show().Loop);
    EXPECT_FALSE(show->Show().ControlBar);
    EXPECT_EQ(show->Sequence().Pictures.size(), 2u);
    EXPECT_EQ(show->geometry(), QRect(0, 0, 1024, 768));
    ASSERT_EQ(project.Sounds().Played.size(), 1u);
    EXPECT_EQ(project.Sounds().Played[0], project.File("music.mp3"));
}

TEST_F(FullScreenViewer, AKeyClosesTheSlideShowAndStopsItsMusic) {
    bool shown = false;
    WhenViewerShows([&](TLaunchSlideShowForm& viewer) {
        shown = viewer.isVisible() && viewer.geometry() == form.screen()->geometry();
        EXPECT_TRUE(viewer.Music().IsPlaying());
        // The key goes to the show's picture, which has the focus.
        PressKey(&viewer.SlideShow()->Transition());
    });
    const int closedBefore = project.Sounds().Closed;
    EXPECT_TRUE(ExecuteAction(form, Action(atLaunchSlideShow, ShowArgument("\\Pics"))));
    EXPECT_TRUE(shown);
    EXPECT_GT(project.Sounds().Closed, closedBefore);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(FullScreenViewer, AClickClosesPictureAndClip) {
    WhenViewerShows([](TLaunchSlideShowForm& viewer) { Click(&viewer); });
    EXPECT_TRUE(ExecuteAction(form, Action(atShowPicture, "small.png")));
    WhenViewerShows([](TLaunchSlideShowForm& viewer) { Click(viewer.MediaPlayer()->Display()); });
    EXPECT_TRUE(ExecuteAction(form, Action(atLaunchMediaFile, "\\clip.avi")));
    EXPECT_EQ(devices.Device().mode, platform::TMediaMode::NotOpen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FullScreenViewer, CloseAfterActionClosesThePageOnlyOnSuccess) {
    for (const auto type : {atShowPicture, atLaunchMediaFile, atLaunchSlideShow}) {
        auto command = Action(type, type == atShowPicture       ? "\\small.png"
                                    : type == atLaunchMediaFile ? "\\clip.avi"
                                                                : ShowArgument("\\Pics"));
        command.CloseAfterAction = true;
        form.show();
        WhenViewerShows([](TLaunchSlideShowForm& viewer) { PressKey(&viewer); });
        EXPECT_TRUE(ExecuteAction(form, command)) << int(type);
        EXPECT_FALSE(form.isVisible()) << int(type);
    }
    form.show();
    auto missing = Action(atShowPicture, "\\none.png");
    missing.CloseAfterAction = true;
    EXPECT_FALSE(ExecuteAction(form, missing));
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace brelvane::test
