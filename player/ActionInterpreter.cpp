#include "player/ActionInterpreter.h"

#include "player/AutoRunForm.h"
#include "player/PlayerEnvironment.h"
#include "render/AnsiText.h"

#include <QApplication>
#include <QMessageBox>

namespace brelvane {

namespace {
void DesignTimeNotice() {
    QMessageBox::information(nullptr, "Click action", "The page can not be shown at design time");
}

bool Run(TAutoRunForm& page, const TCommand& command) {
    const bool designer = PlayerEnvironment().DesignerMode;
    switch (command.ActionType) {
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
        QMessageBox::information(&page, FromAnsi(PlayerEnvironment().ApplicationTitle),
                                 FromAnsi(command.ActionFile));
        return true;
    case atMinimize:
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible()) window->showMinimized();
        return true;
    default:
        // The shell, viewer and object actions are carried out elsewhere;
        // without them an action does not succeed.
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

} // namespace brelvane
