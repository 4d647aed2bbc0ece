#include "player/PlayerProject.h"

#include "project/PageStream.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::test {

namespace {
class RecordingChannel final : public platform::SoundChannel {
public:
    explicit RecordingChannel(std::shared_ptr<SoundLog> log) : log_(std::move(log)) {}
    bool Play(const std::string& path) override {
        log_->Played.push_back(path);
        playing_ = true;
        return true;
    }
    void Close() override {
        ++log_->Closed;
        playing_ = false;
    }
    bool IsPlaying() const override { return playing_; }

private:
    std::shared_ptr<SoundLog> log_;
    bool playing_ = false;
};
} // namespace

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "player_tests";
    static char* argv[] = {name};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

PlayerProject::PlayerProject() {
    EnsureApplication();
    std::filesystem::create_directory(base_.File("AutoRunSource"));
    previousFactory_ = platform::SetSoundChannelFactory(
        [log = sounds_] { return std::make_unique<RecordingChannel>(log); });
    previousEnvironment_ = PlayerEnvironment();
    auto& environment = PlayerEnvironment();
    environment = TPlayerEnvironment();
    environment.Project = &index_;
    environment.Source = {dsProjectSource, base_.Path(), base_.File("Temp")};
}

PlayerProject::~PlayerProject() {
    PlayerEnvironment() = previousEnvironment_;
    platform::SetSoundChannelFactory(previousFactory_);
}

void PlayerProject::AddPage(const TPageRecord& page) {
    ASSERT_TRUE(SavePageFile(base_.File("AutoRunSource/" + page.PageName + ".pg"), page));
    auto entry = std::make_unique<TAutoFormInfo>();
    entry->Name = page.PageName;
    entry->Kind = page.PageKind;
    index_.Pages.push_back(std::move(entry));
}

TPageRecord TestPage(const std::string& name, std::uint8_t kind) {
    TPageRecord page;
    page.PageName = name;
    page.Caption = name + " caption";
    page.PageKind = kind;
    page.FadeIn = page.FadeOut = false;
    page.Shadow = false;
    page.Width = 300;
    page.Height = 200;
    return page;
}

void WhenShown(const std::string& name, std::function<void(TAutoRunForm&)> step) {
    QTimer::singleShot(0, [name, step] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TAutoRunForm*>(window))
                if (form->isVisible() && form->Page().PageName == name) return step(*form);
        ADD_FAILURE() << "no page window " << name;
    });
}

TCommand Action(std::uint8_t type, const std::string& file) {
    TCommand command;
    command.ActionType = type;
    command.ActionFile = file;
    return command;
}

} // namespace brelvane::test
