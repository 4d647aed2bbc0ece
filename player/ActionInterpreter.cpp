#include "player/ActionInterpreter.h"

#include "objects/records/ActionArguments.h"
#include "objects/records/LinkCommand.h"
#include "platform/MessageBoxes.h"
#include "player/AutoRunForm.h"
#include "player/CopyThenOpen.h"
#include "player/LaunchSlideShowForm.h"
#include "player/MediaObjects.h"
#include "player/ObjectActions.h"
#include "player/PlayerEnvironment.h"
#include "player/ShellActions.h"
#include "render/AnsiText.h"
#include "storage/AnsiCodePage.h"
#include "storage/ErrorReport.h"

#include <QApplication>

namespace brelvane {

namespace {
void DesignTimeNotice() {
    platform::ShowInformation(nullptr, "Click action", "The page can not be shown at design time");
}

bool OpenFile(const TCommand& command) {
    if (!IsFileList(command.ActionFile))
        return ShellOpen({"open", BaseResolved(command.ActionFile), command.ActionParams,
                          BaseResolvedFolder(command.ActionDir), command.ShowCommand});
    bool all = true;
    for (const auto& entry : ParseFileList(command.ActionFile))
        all = RunFile("open", BaseResolved(entry.File), command.ShowCommand, entry.Wait,
                      BaseResolved(entry.Folder), entry.Parameters) &&
              all;
    return all;
}

bool RunGroup(TAutoRunForm& page, const std::string& packed) {
    const auto group = ParseActionGroup(packed);
    bool all = true;
    for (const auto& command : group.Commands)
        all = ExecuteAction(page, command) && all;
    // The error box speaks the machine's encoding; the stored text is converted.
    if (group.BadNumber)
        ShowError("'" + AnsiToUtf8(*group.BadNumber) + "' is not a valid integer value");
    return all && !group.BadNumber;
}

bool Run(TAutoRunForm& page, const TCommand& command) {
    const bool designer = PlayerEnvironment().DesignerMode;
    switch (command.ActionType) {
    case atOpenRunFile:
        return OpenFile(command);
    case atVisitWebsite:
        return ShellOpen({"open", command.ActionFile, {}, {}, command.ShowCommand});
    case atSendEmail:
        return ShellOpen(
            {"open", "mailto:" + command.ActionFile, command.ActionParams, {}, command.ShowCommand},
            "Default email program not found on your system.");
    case atPrintDocument:
        return ShellOpen({"print",
                          BaseResolved(command.ActionFile),
                          command.ActionParams,
                          {},
                          command.ShowCommand});
    case atBrowseFolder:
        return ShellOpen({"explore",
                          BaseResolved(command.ActionFile),
                          command.ActionParams,
                          {},
                          command.ShowCommand});
    case atCopyThenOpen:
        return CopyThenOpen(&page, command.ActionFile);
    case atLoadFileWithObject:
        return LoadFileWithObject(page, command.ActionFile);
    case atShowHideObjects:
        return ShowHideObjects(page, command.ActionFile);
    case atActionGroup:
        return RunGroup(page, command.ActionFile);
    case atPlaySound:
        return page.PlayActionSound(command.ActionFile);
    case atShowSubPage:
        if (designer) {
            DesignTimeNotice();
            return false;
        }
        if (page.ShowPage(command.ActionFile, TPageReadMode::Build)) {
            page.ExitAll = true;
            page.close();
        }
        return true;
    case atCloseWindow:
        page.ExitAll = false;
        page.close();
        return true;
    case atExit:
        page.ExitAll = true;
        page.close();
        return true;
    case atStopSound:
        page.StopActionSound();
        return true;
    case atStopAllSound:
        page.StopAllSounds();
        if (auto* background = qobject_cast<TAutoRunForm*>(PlayerEnvironment().ScreenBackground))
            background->StopAllSounds();
        return true;
    case atGotoPage:
        if (designer)
            DesignTimeNotice();
        else
            page.RequestNavigation(command.ActionFile);
        return false;
    case atShowMessage:
        platform::ShowInformation(&page, FromAnsi(PlayerEnvironment().ApplicationTitle),
                                  FromAnsi(command.ActionFile));
        return true;
    case atPlay:
    case atStop:
    case atPause:
    case atPrevious:
    case atNext:
    case atFirstBack:
    case atLastStep:
        RunMediaCommand(page.Page().Objects, command.ActionType, command.ActionFile);
        return true;
    case atShowPicture:
        return ShowPicture(&page, command.ActionFile);
    case atLaunchMediaFile:
        return LaunchMediaFile(&page, command.ActionFile);
    case atLaunchSlideShow:
        return LaunchSlideShow(&page, command.ActionFile);
    case atMinimize:
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible()) window->showMinimized();
        return true;
    default:
        // None and unknown types: nothing is done, so nothing succeeded.
        return false;
    }
}
} // namespace

bool MayClosePage(std::uint8_t actionType) {
    return actionType == atOpenRunFile || actionType == atVisitWebsite ||
           actionType == atSendEmail || actionType == atPrintDocument ||
           actionType == atBrowseFolder ||
           (actionType >= atShowPicture && actionType <= atCopyThenOpen);
}

bool ExecuteAction(TAutoRunForm& page, const TCommand& command) {
    const bool succeeded = Run(page, command);
    if (succeeded && command.CloseAfterAction && MayClosePage(command.ActionType)) page.close();
    return succeeded;
}

bool ExecuteLinkCommand(TAutoRunForm& page, const std::string& address) {
    const auto command = ParseLinkCommand(address);
    if (!command) return false;
    ExecuteAction(page, *command);
    return true;
}

} // namespace brelvane
