#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/Command.h"

#include <string>

namespace brelvane {

// What a running page offers the behaviour that all object kinds share. The
// page window implements it; tests implement it with recorders.
class TObjectHost {
public:
    virtual ~TObjectHost() = default;

    // The page's effect-sound channel; a missing file is ignored there.
    virtual void PlayEventSound(const std::string& file) = 0;

    virtual int StatusPanelCount() const = 0;
    virtual std::string StatusPanelText(int index) const = 0;
    // Sets a panel's text and repaints the status bar at once.
    virtual void SetStatusPanelText(int index, const std::string& text) = 0;

    // Takes the hover look off an image button, image or SimpleText.
    virtual void ClearHoverLook(TAutoObject& object) = 0;
    // Shows `picture` in an Image object, or its own normal picture when null.
    virtual void ShowInImage(TAutoObject& image, const TPicture* picture) = 0;

    // Page-level click duties.
    virtual void ClosePage() = 0;
    virtual void SetResult(bool accepted) = 0;
    virtual void ValidateForm() = 0;
    // The command a click on `object` runs: its own properties, or for list
    // kinds the selected item's; null when nothing is to run.
    virtual const TCommand* ClickCommandOf(TAutoObject& object) = 0;
    virtual void ExecuteAction(const TCommand& command) = 0;
};

} // namespace brelvane
