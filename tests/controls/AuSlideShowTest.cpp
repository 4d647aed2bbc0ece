#include "objects/controls/AuSlideShow.h"

#include "controls/ControlTestKit.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/SlideShowConfig.h"
#include "platform/MessageBoxes.h"
#include "storage/StorageTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

void SavePicture(const std::string& path, QRgb colour) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path)));
}

// A slide show of `pictures` (red, green, blue, ...) in a fresh folder, with
// one-frame transitions so that a picture is up as soon as it is shown.
struct TShowFixture {
    TempFolder folder;
    std::unique_ptr<TAutoObject> object = MakeObject(okSlideShow, 209, 185);
    std::unique_ptr<TAuSlideShow> show;
    std::vector<std::pair<QString, QString>> boxes;
    platform::MessageResponder previous;

    explicit TShowFixture(std::vector<std::string> pictures) {
        EnsureApplication();
        static const QRgb colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
        for (std::size_t i = 0; i < pictures.size(); ++i)
            SavePicture(folder.File(pictures[i]), colours[i % 4]);
        previous = platform::SetMessageResponder(
            [this](platform::TMessageKind, const QString& caption, const QString& text) {
                boxes.emplace_back(caption, text);
                return true;
            });
        show = std::make_unique<TAuSlideShow>(*object, nullptr);
        show->Show().Settings.Style = 5;
        show->Show().Settings.Step = 100;
        show->Show().Settings.StepDelay = 0;
        show->Show().Settings.ImageStyle = 2; // stretched over the picture area
    }
    ~TShowFixture() { platform::SetMessageResponder(std::move(previous)); }

    // Applies the fixture's folder as the work folder (relative to its parent).
    void Apply() {
        const std::filesystem::path path(folder.Path());
        show->Show().WorkFolder = path.filename().string();
        show->ApplyFolder(path.parent_path().string());
    }
    void WaitIdle() {
        QElapsedTimer timer;
        timer.start();
        while (show->Transition().Busy() && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QRgb Shown() { return show->Transition().FrameBitmap().pixel(10, 10); }
    std::vector<bool> Enabled() const {
        std::vector<bool> states;
        for (int b = TAuSlideShow::bbPlay; b <= TAuSlideShow::bbLast; ++b)
            states.push_back(
                show->BarButton(static_cast<TAuSlideShow::TBarButton>(b))->isEnabled());
        return states;
    }
};

TEST(AuSlideShow, ControlBarLayout) {
    TShowFixture f({});
    const char* hints[] = {"Slide Show", "First", "Previous", "Next", "Last"};
    const int lefts[] = {2, 24, 46, 68, 90};
    for (int b = 0; b < 5; ++b) {
        auto* button = f.show->BarButton(static_cast<TAuSlideShow::TBarButton>(b));
        EXPECT_EQ(button->geometry(), QRect(lefts[b], 1, 22, 19));
        EXPECT_EQ(button->toolTip(), hints[b]);
        EXPECT_FALSE(button->isEnabled());
    }
    EXPECT_EQ(f.show->Bar()->geometry(), QRect(0, 185 - 21, 209, 21));
    EXPECT_EQ(f.show->PositionPanel()->geometry(), QRect(115, 1, 50, 19));
    EXPECT_EQ(f.show->CaptionPanel()->geometry(), QRect(170, 1, 209 - 170 - 1, 19));
    EXPECT_EQ(f.show->Transition().geometry(), QRect(0, 0, 209, 164));
    EXPECT_EQ(f.show->Timer().interval(), 1000);
    EXPECT_TRUE(f.show->Timer().isActive());
}

TEST(AuSlideShow, AppliedFolderThenShownPicturesFillPanelsAndButtons) {
    TShowFixture f({"b.png", "A.png", "c.bmp"});
    f.show->Show().Settings.Interval = 1500;
    f.Apply();
    EXPECT_EQ(f.show->Sequence().Pictures, (std::vector<std::string>{"A.png", "b.png", "c.bmp"}));
    EXPECT_TRUE(f.show->BarButton(TAuSlideShow::bbPlay)->isChecked());
    EXPECT_EQ(f.Enabled(), (std::vector<bool>{true, false, false, true, true}));
    f.show->ShowNext();
    f.WaitIdle();
    EXPECT_EQ(f.Shown(), 0xFF00FF00u); // A.png is the second saved: green
    EXPECT_EQ(f.show->PositionPanel()->text(), "1/3");
    EXPECT_EQ(f.show->CaptionPanel()->text(), "A");
    // After the transition the timer waits the picture's interval.
    EXPECT_TRUE(f.show->Timer().isActive());
    EXPECT_EQ(f.show->Timer().interval(), 1500);
    f.show->NextCommand();
    f.WaitIdle();
    EXPECT_EQ(f.show->PositionPanel()->text(), "2/3");
    EXPECT_EQ(f.Enabled(), (std::vector<bool>{true, true, true, true, true}));
    f.show->LastCommand();
    f.WaitIdle();
    EXPECT_EQ(f.show->CaptionPanel()->text(), "c");
    EXPECT_EQ(f.Enabled(), (std::vector<bool>{true, true, true, false, false}));
    f.show->FirstCommand();
    f.WaitIdle();
    EXPECT_EQ(f.show->PositionPanel()->text(), "1/3");
    EXPECT_TRUE(f.boxes.empty());
}

TEST(AuSlideShow, PreviousOnTheSecondShowsTheFirstAndOnTheFirstShowsItAgain) {
    TShowFixture f({"1.png", "2.png", "3.png"});
    f.Apply();
    f.show->ShowNext();
    f.show->ShowNext();
    f.WaitIdle();
    EXPECT_EQ(f.show->PositionPanel()->text(), "2/3");
    f.show->PreviousCommand();
    f.WaitIdle();
    EXPECT_EQ(f.show->PositionPanel()->text(), "1/3");
    f.show->PreviousCommand();
    f.WaitIdle();
    EXPECT_EQ(f.show->PositionPanel()->text(), "1/3");
}

TEST(AuSlideShow, OnePictureDisablesEveryMoveAndWithoutLoopThePlayToggleIsReleased) {
    TShowFixture f({"only.png"});
    f.show->Show().Loop = false;
    f.Apply();
    f.show->ShowNext();
    f.WaitIdle();
    EXPECT_EQ(f.Enabled(), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_FALSE(f.show->Show().Play);
    EXPECT_FALSE(f.show->BarButton(TAuSlideShow::bbPlay)->isChecked());
    // Pressing the toggle again plays on from the first picture.
    f.show->BarButton(TAuSlideShow::bbPlay)->click();
    EXPECT_TRUE(f.show->Show().Play);
}

TEST(AuSlideShow, WrongMagicShowsItsMessageAndKeepsTheEntries) {
    TShowFixture f({"a.png"});
    TPSImageEntry old;
    old.FileName = "kept";
    f.show->Sequence().Entries = {old};
    const auto cfg = f.folder.File("slideshowex.CFG");
    WriteFileBytes(cfg, Concat({Int32Bytes(1), Int32Bytes(0)}));
    f.Apply();
    ASSERT_EQ(f.boxes.size(), 1u);
    EXPECT_EQ(f.boxes[0].first, "ERROR");
    EXPECT_EQ(f.boxes[0].second, QString::fromStdString("Invalid file format \"" + cfg + "\"."));
    ASSERT_EQ(f.show->Sequence().Entries.size(), 1u);
    EXPECT_EQ(f.show->Sequence().Entries[0].FileName, "kept");
}

TEST(AuSlideShow, ConfigurationEntryChangesThatPicturesTransition) {
    TShowFixture f({"a.png"});
    TPSImageEntry entry;
    entry.FileName = "a.png";
    entry.Style = 118;
    entry.Step = 50;
    entry.StepDelay = 7;
    entry.Interval = 300;
    TMemoryStream stream;
    ASSERT_TRUE(WriteSlideShowConfig(stream, {entry}));
    WriteFileBytes(f.folder.File("SlideShowEx.cfg"), stream.Bytes());
    f.Apply();
    f.show->ShowNext();
    EXPECT_EQ(f.show->Transition().Style(), 118);
    EXPECT_EQ(f.show->Transition().Step(), 50);
    EXPECT_EQ(f.show->Transition().Delay(), 7);
    f.WaitIdle();
    EXPECT_EQ(f.show->Timer().interval(), 300);
}

TEST(AuSlideShow, PictureThatCannotLoadShowsOneBoxAndLeavesTheTimerOff) {
    TShowFixture f({});
    WriteFileBytes(f.folder.File("bad.png"), {'n', 'o', 't'});
    f.Apply();
    f.show->ShowNext();
    EXPECT_EQ(f.boxes.size(), 1u);
    EXPECT_FALSE(f.show->Timer().isActive());
    EXPECT_FALSE(f.show->Transition().Busy());
}

TEST(AuSlideShow, MissingFolderLeavesThePicturesAndCommandsSetPlay) {
    TShowFixture f({"a.png", "b.png"});
    f.Apply();
    f.show->Show().WorkFolder = "no such folder";
    f.show->ApplyFolder(f.folder.Path());
    EXPECT_EQ(f.show->Sequence().Pictures.size(), 2u);
    f.show->StopCommand();
    EXPECT_FALSE(f.show->Show().Play);
    EXPECT_FALSE(f.show->BarButton(TAuSlideShow::bbPlay)->isChecked());
    f.show->PlayCommand();
    EXPECT_TRUE(f.show->Show().Play);
}

TEST(AuSlideShow, LoadFolderShowsTheFirstPictureAtOnce) {
    TShowFixture f({"x.png", "y.png"});
    f.show->Show().Play = false;
    const std::filesystem::path path(f.folder.Path());
    f.show->LoadFolder(path.parent_path().string(), path.filename().string());
    EXPECT_TRUE(f.show->Show().Play);
    f.WaitIdle();
    EXPECT_EQ(f.show->CaptionPanel()->text(), "x");
    EXPECT_EQ(f.Shown(), 0xFFFF0000u);
}

} // namespace
} // namespace brelvane::test
