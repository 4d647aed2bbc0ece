#pragma once

#include "objects/records/Command.h"

#include <cstdint>
#include <string>

namespace brelvane {

class TAutoRunForm;

enum TActionType : std::uint8_t {
    atNone,
    atOpenRunFile,
    atVisitWebsite,
    atSendEmail,
    atPlaySound,
    atPrintDocument,
    atShowSubPage,
    atBrowseFolder,
    atCloseWindow,
    atExit,
    atStopSound,
    atStopAllSound,
    atGotoPage,
    atShowPicture,
    atLaunchMediaFile,
    atLaunchSlideShow,
    atShowMessage,
    atCopyThenOpen,
    atMinimize,
    atPlay,
    atStop,
    atPause,
    atPrevious,
    atNext,
    atFirstBack,
    atLastStep,
    atLoadFileWithObject,
    atShowHideObjects,
    atActionGroup,
};

// Carries out the action of `command` on `page`; returns whether it
// succeeded. A successful action of a kind that may close the page closes it
// when the command asks so.
bool ExecuteAction(TAutoRunForm& page, const TCommand& command);

// A web view link that names a command runs it and gives true; an
// ordinary address gives false and is navigated to.
bool ExecuteLinkCommand(TAutoRunForm& page, const std::string& address);

// Whether a successful action of this type closes the page when asked.
bool MayClosePage(std::uint8_t actionType);

} // namespace brelvane
