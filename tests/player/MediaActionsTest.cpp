#include "controls/FakeMediaDevice.h"
#include "objects/controls/AuMedia.h"
#include "objects/controls/AuSlideShow.h"
#include "objects/records/MediaPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/SlideShowPayload.h"
#include "player/ActionInterpreter.h"
#include "player/MediaObjects.h"
#include "player/PlayerProject.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// A page with two media players and a slide show named "Clip" and a media
// player named "Other"; media devices are fakes.
class MediaActions : public ::testing::Test {
protected:
    void SetUp() override {
        auto page = TestPage("Main", pkMainPage);
        for (const auto& [kind, name] : {std::pair{okMediaPlayer, "Clip"},
                                         {okMediaPlayer, "Clip"},
                                         {okSlideShow, "Clip"},
                                         {okMediaPlayer, "Other"}}) {
            auto* object = AddObjectRecord(page.Objects, kind, 0, 0);
            object->Props.Name = name;
        }
        project.AddPage(page);
        ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    }

    std::vector<TAuMedia*> Players() {
        std::vector<TAuMedia*> players;
        for (auto& object : form.Page().Objects)
            if (auto* media = dynamic_cast<TAuMedia*>(object->Control.get()))
                players.push_back(media);
        return players;
    }
    TAuSlideShow& Show() {
        for (auto& object : form.Page().Objects)
            if (auto* show = dynamic_cast<TAuSlideShow*>(object->Control.get())) return *show;
        throw std::logic_error("no slide show");
    }
    static FakeMediaDevice& Fake(TAuMedia& media) {
        return static_cast<FakeMediaDevice&>(media.Device());
    }

    FakeMediaDevices devices;
    PlayerProject project;
    TAutoRunForm form;
};

TEST_F(MediaActions, CommandsReachEveryPlayerAndShowOfThatName) {
    auto players = Players();
    ASSERT_EQ(players.size(), 3u);
    for (auto* media : players) {
        media->OpenFile(project.File("a.avi"));
        media->PlayMedia();
    }
    Show().Show().Play = true;
    EXPECT_TRUE(ExecuteAction(form, Action(atStop, "Clip")));
    EXPECT_FALSE(players[0]->Media().Loop);
    EXPECT_FALSE(players[1]->Media().Loop);
    EXPECT_TRUE(players[2]->Media().Loop);
    EXPECT_EQ(Fake(*players[2]).mode, platform::TMediaMode::Playing);
    EXPECT_FALSE(Show().Show().Play);
    EXPECT_TRUE(ExecuteAction(form, Action(atPlay, "Clip")));
    EXPECT_EQ(Fake(*players[0]).mode, platform::TMediaMode::Playing);
    EXPECT_TRUE(Show().Show().Play);
    EXPECT_TRUE(ExecuteAction(form, Action(atNext, "Other")));
    EXPECT_EQ(Fake(*players[2]).position, 5000);
    EXPECT_EQ(Fake(*players[0]).position, 0);
}

TEST_F(MediaActions, PageStepsOpenPlayAndCloseThePlayers) {
    for (auto* media : Players())
        media->Media().MediaFile = "clip.avi";
    Players()[1]->Media().Play = false;
    EXPECT_TRUE(StartPageMedia(form.Page().Objects));
    StartCallMedia(form.Page().Objects);
    EXPECT_EQ(Fake(*Players()[0]).Count("play"), 1);
    EXPECT_EQ(Fake(*Players()[1]).Count("play"), 0);
    EXPECT_EQ(Players()[0]->FileName(), project.File("clip.avi"));
    CloseMedia(form.Page().Objects);
    for (auto* media : Players())
        EXPECT_EQ(Fake(*media).mode, platform::TMediaMode::NotOpen);
}

TEST_F(MediaActions, LoadFileOpensAndPlaysAMediaFileAndShowsAFolder) {
    const auto folder = project.File("Pictures");
    std::filesystem::create_directory(folder);
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(folder + "/one.png")));
    Show().Show().Play = false;
    EXPECT_TRUE(ExecuteAction(form, Action(atLoadFileWithObject, " Clip \x01Pictures\x01")));
    // The players of that name take the name as their file.
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(Players()[i]->FileName(), project.File("Pictures"));
    EXPECT_EQ(Show().Show().WorkFolder, "Pictures");
    EXPECT_TRUE(Show().Show().Play);
    EXPECT_EQ(Show().Sequence().Pictures, std::vector<std::string>{"one.png"});
    EXPECT_EQ(Show().Sequence().NextIndex, 1);

    WriteFileBytes(project.File("b.avi"), {1});
    EXPECT_TRUE(ExecuteAction(form, Action(atLoadFileWithObject, " Other \x01"
                                                                 "b.avi\x01")));
    EXPECT_EQ(Fake(*Players()[2]).mode, platform::TMediaMode::Playing);
    EXPECT_EQ(Players()[2]->FileName(), project.File("b.avi"));
}

} // namespace
} // namespace brelvane::test
