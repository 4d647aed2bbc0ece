#include "player/MediaObjects.h"

#include "objects/controls/AuMedia.h"
#include "objects/controls/AuSlideShow.h"
#include "player/ActionInterpreter.h"
#include "player/PlayerEnvironment.h"

namespace brelvane {

namespace {
const std::string& BaseFolder() {
    return PlayerEnvironment().Source.BaseFolder;
}

template <class Control, class Body> void ForEach(TAutoObjects& objects, Body body) {
    for (auto& object : objects)
        if (auto* control = dynamic_cast<Control*>(object->Control.get())) body(*control);
}

void RunOn(TAuMedia& media, std::uint8_t actionType) {
    switch (actionType) {
    case atPlay:
        return media.PlayCommand();
    case atStop:
        return media.StopCommand();
    case atPause:
        return media.PauseCommand();
    case atPrevious:
        return media.PreviousCommand();
    case atNext:
        return media.NextCommand();
    case atFirstBack:
        return media.BackCommand();
    case atLastStep:
        return media.StepCommand();
    default:
        return;
    }
}

void RunOn(TAuSlideShow& show, std::uint8_t actionType) {
    switch (actionType) {
    case atPlay:
        return show.PlayCommand();
    case atStop:
    case atPause:
        return show.StopCommand();
    case atPrevious:
        return show.PreviousCommand();
    case atNext:
        return show.NextCommand();
    case atFirstBack:
        return show.FirstCommand();
    case atLastStep:
        return show.LastCommand();
    default:
        return;
    }
}
} // namespace

bool StartPageMedia(TAutoObjects& objects) {
    bool anyPlayer = false;
    ForEach<TAuMedia>(objects, [&](TAuMedia& media) {
        anyPlayer = true;
        media.StartMedia(BaseFolder());
    });
    ForEach<TAuSlideShow>(objects, [](TAuSlideShow& show) { show.ApplyFolder(BaseFolder()); });
    return anyPlayer;
}

void StartCallMedia(TAutoObjects& objects) {
    ForEach<TAuMedia>(objects, [](TAuMedia& media) { media.StartCall(); });
    ForEach<TAuSlideShow>(objects, [](TAuSlideShow& show) { show.StartShow(); });
}

void CloseMedia(TAutoObjects& objects) {
    ForEach<TAuMedia>(objects, [](TAuMedia& media) { media.CloseMedia(); });
}

void RunMediaCommand(TAutoObjects& objects, std::uint8_t actionType, const std::string& name) {
    for (auto& object : objects) {
        if (object->Props.Name != name) continue;
        if (auto* media = dynamic_cast<TAuMedia*>(object->Control.get())) RunOn(*media, actionType);
        if (auto* show = dynamic_cast<TAuSlideShow*>(object->Control.get()))
            RunOn(*show, actionType);
    }
}

bool LoadFileIntoMedia(TAutoObject& object, const std::string& fileName) {
    if (auto* media = dynamic_cast<TAuMedia*>(object.Control.get())) {
        media->OpenFile(BaseResolved(fileName));
        media->PlayMedia();
        return true;
    }
    if (auto* show = dynamic_cast<TAuSlideShow*>(object.Control.get())) {
        show->LoadFolder(BaseFolder(), fileName);
        return true;
    }
    return false;
}

} // namespace brelvane
