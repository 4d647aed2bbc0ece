#pragma once

#include "objects/records/Command.h"
#include "platform/Media.h"
#include "player/AutoRunForm.h"
#include "player/PlayerEnvironment.h"
#include "storage/StorageTestSupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brelvane::test {

// Sound channels that record what they were asked to play.
struct SoundLog {
    std::vector<std::string> Played;
    int Closed = 0;
};

// A project in a temporary base folder whose pages are files of its project
// source, installed as the player's environment while alive. Sounds go to a
// log instead of a device.
class PlayerProject {
public:
    PlayerProject();
    ~PlayerProject();
    PlayerProject(const PlayerProject&) = delete;
    PlayerProject& operator=(const PlayerProject&) = delete;

    // Saves the page and adds it to the index under its PageName.
    void AddPage(const TPageRecord& page);
    std::string File(const std::string& name) const { return base_.File(name); }
    TProjectIndex& Index() { return index_; }
    SoundLog& Sounds() { return *sounds_; }

private:
    TempFolder base_;
    TProjectIndex index_;
    std::shared_ptr<SoundLog> sounds_ = std::make_shared<SoundLog>();
    platform::SoundChannelFactory previousFactory_;
    TPlayerEnvironment previousEnvironment_;
};

// A new page of `kind` named `name`, without fades so that steps end at once.
TPageRecord TestPage(const std::string& name, std::uint8_t kind);
TCommand Action(std::uint8_t type, const std::string& file = "");

// Runs `step` on the visible page window named `name` once the event loop
// runs again (a modal page has then been shown).
void WhenShown(const std::string& name, std::function<void(TAutoRunForm&)> step);

// Creates the application object once for the test program.
void EnsureApplication();

} // namespace brelvane::test
