// The Project menu's publishing commands.
#include "designer/ExeFileInfoForm.h"
#include "designer/MainForm.h"
#include "designer/PickerDialogs.h"
#include "designer/PublishForm.h"
#include "designer/WaitCursor.h"
#include "platform/Shell.h"
#include "storage/AnsiCodePage.h"

#include <QFileDialog>

namespace brelvane {

std::optional<std::string> AskSaveFileNameOnDesktop(QWidget* owner, const QString& filter) {
    const auto name = QFileDialog::getSaveFileName(owner, {}, {}, QtFileFilter(filter));
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

void TMainForm::ExecutableFileInformation() {
    TExeFileInfoForm form(this, paths_.ProgramPath, project_.BaseFolder, *dialogs_);
    form.Execute();
}

void TMainForm::SaveAndPublish() {
    if (!CommitPendingEdit()) return;
    std::shared_ptr<platform::ProcessLauncher> launcher = platform::CreateProcessLauncher();
    TPublishServices services;
    services.ProgramPath = paths_.ProgramPath;
    services.ProgramFolder = paths_.ProgramFolder;
    services.BaseFolder = project_.BaseFolder;
    services.Title = AnsiToUtf8(project_.Index.Settings.ApplicationTitle);
    services.SaveStep = [this] {
        WaitCursor wait;
        return SaveProject(project_.BaseFolder) && WriteTargetFile();
    };
    services.Dialogs = dialogs_.get();
    services.SaveFileName = AskSaveFileName;
    services.ImageProgramFound = !launcher->FindProgram("xorriso").isEmpty();
    services.Launcher = launcher;
    TPublishForm form(this, std::move(services));
    form.Execute();
}

} // namespace brelvane
