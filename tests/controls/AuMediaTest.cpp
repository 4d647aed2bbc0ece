#include "objects/controls/AuMedia.h"

#include "controls/ControlTestKit.h"
#include "controls/FakeMediaDevice.h"
#include "objects/records/MediaPayload.h"
#include "objects/records/ObjectKinds.h"

#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

struct TMediaFixture {
    FakeMediaDevices devices;
    std::unique_ptr<TAutoObject> object = MakeObject(okMediaPlayer, 209, 185);
    std::unique_ptr<TAuMedia> media;

    TMediaFixture() {
        EnsureApplication();
        media = std::make_unique<TAuMedia>(*object, nullptr);
    }
    FakeMediaDevice& Device() const { return devices.Device(); }
    // Play, Pause, Stop enabled.
    std::array<bool, 3> Buttons() const {
        return {media->Button(TAuMedia::mbPlay)->isEnabled(),
                media->Button(TAuMedia::mbPause)->isEnabled(),
                media->Button(TAuMedia::mbStop)->isEnabled()};
    }
};

using Enabled = std::array<bool, 3>;

TEST(AuMedia, StartsWithEverythingDisabledAndTheBarAtTheBottom) {
    TMediaFixture f;
    EXPECT_EQ(f.Buttons(), (Enabled{false, false, false}));
    EXPECT_FALSE(f.media->TrackBar()->isEnabled());
    EXPECT_EQ(f.media->LastButton(), TAuMedia::mbStop);
    EXPECT_EQ(f.media->Timer().interval(), 1000);
    EXPECT_EQ(f.media->Bar()->geometry(), QRect(0, 185 - 22, 209, 22));
    EXPECT_EQ(f.media->Display()->geometry(), QRect(0, 0, 209, 163));
    EXPECT_EQ(f.media->TrackBar()->geometry(), QRect(86, 1, 209 - 86 - 1, 20));
}

TEST(AuMedia, OpenSetsTheTrackBarAndPlayEnablesPauseAndStop) {
    TMediaFixture f;
    f.Device().length = 7;
    f.media->OpenFile("/clips/a.avi");
    EXPECT_TRUE(f.media->IsOpen());
    EXPECT_FALSE(f.media->OpenFailed());
    EXPECT_TRUE(f.media->TrackBar()->isEnabled());
    EXPECT_EQ(f.media->TrackBar()->maximum(), 7);
    // A tenth of the length, but at least 1.
    EXPECT_EQ(f.media->TrackBar()->pageStep(), 1);
    f.media->PlayMedia();
    EXPECT_EQ(f.Device().mode, platform::TMediaMode::Playing);
    EXPECT_EQ(f.media->LastButton(), TAuMedia::mbPlay);
    EXPECT_EQ(f.Buttons(), (Enabled{false, true, true}));

    f.Device().length = 5000;
    f.media->OpenFile("/clips/b.avi");
    EXPECT_EQ(f.media->TrackBar()->pageStep(), 500);
}

TEST(AuMedia, FailedOpenSetsTheFlagAndSilencesPlayAndTicks) {
    TMediaFixture f;
    f.media->OpenFile("/clips/broken.avi");
    EXPECT_TRUE(f.media->OpenFailed());
    f.media->PlayMedia();
    f.Device().position = 1234;
    f.media->Tick();
    EXPECT_EQ(f.Device().Count("play"), 0);
    EXPECT_EQ(f.media->TrackBar()->value(), 0);
    // A file that opens clears the failure.
    f.media->OpenFile("/clips/good.avi");
    EXPECT_FALSE(f.media->OpenFailed());
}

TEST(AuMedia, LoopPlaysAgainUntilTheStopCommandEndsItForGood) {
    TMediaFixture f;
    f.media->OpenFile("/clips/a.avi");
    f.media->PlayMedia();
    f.Device().ReachEnd();
    EXPECT_EQ(f.Buttons(), (Enabled{true, false, false}));
    f.media->Tick();
    EXPECT_EQ(f.Device().Count("play"), 2);
    f.media->StopCommand();
    EXPECT_FALSE(f.media->Media().Loop);
    f.media->PlayCommand();
    f.Device().ReachEnd();
    f.media->Tick();
    f.media->Tick();
    EXPECT_EQ(f.Device().Count("play"), 3);
}

TEST(AuMedia, StopButtonRewindsAndADeviceStoppedThatWayDoesNotLoop) {
    TMediaFixture f;
    f.media->OpenFile("/clips/a.avi");
    f.media->PlayMedia();
    f.Device().position = 800;
    f.media->PressButton(TAuMedia::mbStop);
    EXPECT_EQ(f.Device().position, 0);
    EXPECT_EQ(f.media->LastButton(), TAuMedia::mbStop);
    EXPECT_EQ(f.Buttons(), (Enabled{true, false, false}));
    f.media->Tick();
    EXPECT_EQ(f.Device().Count("play"), 1);
    // Pause toggles between pausing and playing.
    f.media->PressButton(TAuMedia::mbPlay);
    f.media->PressButton(TAuMedia::mbPause);
    EXPECT_EQ(f.Device().mode, platform::TMediaMode::Paused);
    f.media->PauseCommand();
    EXPECT_EQ(f.Device().mode, platform::TMediaMode::Playing);
}

TEST(AuMedia, TrackBarMovedByTheUserSeeksAndStops) {
    TMediaFixture f;
    f.media->OpenFile("/clips/a.avi");
    f.media->PlayMedia();
    f.Device().position = 300;
    f.media->Tick(); // the program moves the bar: no seek
    EXPECT_EQ(f.media->TrackBar()->value(), 300);
    EXPECT_EQ(f.Device().Count("seek 300"), 0);
    f.media->TrackBar()->setValue(2500);
    EXPECT_EQ(f.Device().position, 2500);
    EXPECT_EQ(f.Device().mode, platform::TMediaMode::Stopped);
    EXPECT_EQ(f.media->LastButton(), TAuMedia::mbStop);
    EXPECT_EQ(f.Buttons(), (Enabled{true, false, false}));
}

TEST(AuMedia, PreviousAndNextSeekToTheEndsAndFramesStepWhilePausedForVideoOnly) {
    TMediaFixture f;
    f.media->OpenFile("/clips/a.avi");
    f.media->PlayMedia();
    f.media->NextCommand();
    EXPECT_EQ(f.Device().position, 5000);
    f.media->PreviousCommand();
    EXPECT_EQ(f.Device().position, 0);
    f.Device().position = 1000;
    f.media->StepCommand();
    EXPECT_EQ(f.Device().mode, platform::TMediaMode::Paused);
    EXPECT_EQ(f.Device().position, 1040);
    f.media->BackCommand();
    f.media->BackCommand();
    EXPECT_EQ(f.Device().position, 960);
    f.Device().video = false;
    f.media->StepCommand();
    EXPECT_EQ(f.Device().position, 960);
}

TEST(AuMedia, PageStepsOpenPlayOnceAndCloseTheDevice) {
    TMediaFixture f;
    f.media->Media().MediaFile = "clips\\a.avi";
    f.media->StartMedia("/base");
    EXPECT_EQ(f.media->FileName(), "/base/clips/a.avi");
    EXPECT_EQ(f.Device().Count("play"), 1);
    // The start call leaves a playing file alone.
    f.media->StartCall();
    EXPECT_EQ(f.Device().Count("play"), 1);
    f.media->CloseMedia();
    EXPECT_EQ(f.Device().mode, platform::TMediaMode::NotOpen);
    EXPECT_FALSE(f.media->TrackBar()->isEnabled());
    // Shown again, the page opens and plays it again.
    f.media->StartMedia("/base");
    EXPECT_EQ(f.Device().Count("play"), 2);

    TMediaFixture idle;
    idle.media->Media().MediaFile = "a.avi";
    idle.media->Media().Play = false;
    idle.media->StartMedia("/base");
    idle.media->StartCall();
    EXPECT_TRUE(idle.media->IsOpen());
    EXPECT_EQ(idle.Device().Count("play"), 0);
}

TEST(AuMedia, FramesOfTheDeviceArePaintedStretchedOverTheDisplay) {
    TMediaFixture f;
    QImage frame(4, 2, QImage::Format_RGB32);
    frame.fill(qRgb(0, 200, 0));
    f.Device().OnFrame(frame);
    EXPECT_EQ(f.media->Display()->FramesShown(), 1);
    const QImage shot = f.media->Display()->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0) & 0xFFFFFF, 0x00C800u);
    EXPECT_EQ(shot.pixel(shot.width() - 1, shot.height() - 1) & 0xFFFFFF, 0x00C800u);
}

} // namespace
} // namespace brelvane::test
