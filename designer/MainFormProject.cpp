#include "designer/EditForm.h"
#include "designer/InitIconsForm.h"
#include "designer/MainForm.h"
#include "designer/NewProjectForm.h"
#include "designer/PageHost.h"
#include "designer/PageNames.h"
#include "designer/ProSplashForm.h"
#include "designer/ProjectPaths.h"
#include "designer/ProjectPickers.h"
#include "designer/ProjectSaver.h"
#include "designer/PropertyEditor.h"
#include "designer/TemplatePane.h"
#include "designer/WaitCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "player/AutoRunForm.h"
#include "project/TargetFile.h"
#include "storage/FilePaths.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTabBar>
#include <cstdio>

namespace brelvane {

namespace {} // namespace

std::string TMainForm::WorkingCopy(const std::string& name) const {
    return WorkingCopyPath(paths_.TempFolder, name);
}

bool TMainForm::Start(const std::string& baseFolder, bool installationRun, TProSplashForm* splash) {
    setWindowTitle("Brelvane");
    const auto closeSplash = [&splash] {
        if (splash) splash->FadeOutAndFree();
        splash = nullptr;
    };
    if (installationRun) {
        closeSplash();
        TInitIconsForm progress(this);
        progress.show();
        InstallationRun(paths_.ProgramPath, paths_.ProgramFolder, &progress);
        return false;
    }
    project_.Index.Pages.clear();
    bool opened =
        !baseFolder.empty() && FileExists(IndexPathOf(baseFolder)) && OpenProject(baseFolder);
    if (!opened) {
        project_.BaseFolder.clear();
        if (!baseFolder.empty())
            platform::ShowInformation(this, "Invalid project folder",
                                      "The default project folder '" +
                                          QString::fromStdString(baseFolder) +
                                          "' is not available!");
        else
            platform::ShowInformation(
                this, "Project Folder",
                "There is no default project folder, please select a project folder as CD-ROM "
                "base.");
        Open1Click();
    }
    closeSplash();
    if (project_.BaseFolder.empty()) return false;
    pageControl2_->FillTemplatePane(Library().ObjectsFolder());
    timer2_.start();
    if (!opened) return true; // Open has shown the project already
    editForm_->show();
    SetModified(false);
    timer1_.start();
    return true;
}

void TMainForm::SetModified(bool value) {
    project_.ProjectModified = value;
    if (!value) return;
    auto* entry = project_.Entry(pageControl1_->currentIndex());
    if (entry && !project_.IsLocked(entry)) entry->InDesignerTemp = true;
}

bool TMainForm::CommitPendingEdit() {
    // A cell that holds a value the list refuses keeps the focus.
    if (!propertyEditor_->CommitPendingEdit()) return false;
    editForm_->FocusKeySink();
    return true;
}

bool TMainForm::ConfirmUnsavedChanges() {
    if (!project_.ProjectModified || project_.BaseFolder.empty()) return true;
    switch (platform::AskYesNoCancel(this, "Confirm", "Save changes to file?")) {
    case platform::TAnswer::Cancel:
        return false;
    case platform::TAnswer::Yes:
        return Save1Click();
    case platform::TAnswer::No:
        return true;
    }
    return false;
}

void TMainForm::New1Click() {
    if (!CommitPendingEdit() || !ConfirmUnsavedChanges()) return;
    if (RunNewProjectDialog({})) SetModified(true);
}

bool TMainForm::RunNewProjectDialog(const std::string& folder) {
    TNewProjectForm form(
        this, folder,
        [this](const std::string& preselect) {
            std::string chosen = preselect;
            return pickers_->BrowseFolder("Select Project Folder", {}, chosen) ? chosen
                                                                               : std::string();
        },
        [this](std::uint8_t kind) { return PickPageTemplate(kind); });
    if (form.exec() != QDialog::Accepted) return false;
    CreateProject(form);
    return true;
}

void TMainForm::CreateProject(const TNewProjectForm& form) {
    // The pages of the project on screen go at the next save, which clears a
    // project being overwritten.
    ReleasePage();
    undo_.Clear();
    project_.CurrentPageIndex = -1;
    project_.LockedPages.clear();
    for (auto& entry : project_.Index.Pages) {
        std::remove(WorkingCopy(entry->Name).c_str());
        project_.DeletedPages.push_back(std::move(entry));
    }
    project_.Index.Pages.clear();
    project_.BaseFolder = form.Folder();
    UpdateEnvironment();
    for (const auto* row : form.IncludedRows()) {
        auto entry = std::make_unique<TAutoFormInfo>();
        entry->Name = entry->SavedName = std::string(PageKindName(row->Kind));
        entry->Kind = row->Kind;
        entry->InDesignerTemp = true;
        TPageRecord page;
        // A template that cannot be read gives a blank page (its error is shown).
        if (const auto path = row->ChosenTemplate(); !path.empty() && !ReadPageTemplate(path, page))
            page = TPageRecord();
        page.PageKind = row->Kind;
        page.PageName = page.Caption = entry->Name;
        CenterPage(page);
        // A page whose working copy cannot be written is not created.
        if (SavePageFile(WorkingCopy(entry->Name), page))
            project_.Index.Pages.push_back(std::move(entry));
    }
    RebuildPageTabs();
    PageControl1Change();
    SetModified(true);
    ResetSettings(project_.Index.Settings);
}

void TMainForm::Open1Click() {
    if (!CommitPendingEdit() || !ConfirmUnsavedChanges()) return;
    std::string folder = project_.BaseFolder;
    if (!pickers_->ChooseProjectFolder(folder)) return;
    folder = WithoutTrailingSeparators(folder);
    if (!FileExists(IndexPathOf(folder))) {
        OfferNewProject(folder, "The project file does not exist. Create new project?");
        return;
    }
    if (!OpenProject(folder)) OfferNewProject(folder, "Create new project?");
}

void TMainForm::OfferNewProject(const std::string& folder, const QString& question) {
    if (platform::AskYesNo(this, "Information", question) && RunNewProjectDialog(folder))
        SetModified(true);
}

bool TMainForm::OpenProject(const std::string& folder) {
    // The new index is read before the open project is closed, so a damaged
    // one leaves the project on screen as it was.
    TProjectIndex index;
    ResetSettings(index.Settings);
    if (!LoadIndexFile(ResolvePath(IndexPathOf(folder)), index, TTrailer::Skip)) return false;
    if (const auto damaged = DamagedPageName(index)) {
        platform::ShowErrorBox(this, "The project index is damaged: the page name \"" +
                                         QString::fromStdString(*damaged) +
                                         "\" is not a file name of its own.");
        return false;
    }
    CloseProject();
    for (auto& entry : index.Pages) {
        entry->SavedName = entry->Name;
        entry->InDesignerTemp = false;
    }
    FreeSettings(project_.Index.Settings);
    project_.Index = std::move(index);
    project_.BaseFolder = folder;
    UpdateEnvironment();
    RebuildPageTabs();
    PageControl1Change();
    SetModified(false);
    return true;
}

void TMainForm::CloseProject() {
    ReleasePage();
    undo_.Clear();
    editForm_->hide();
    DiscardWorkingCopies();
    project_.CurrentPageIndex = -1;
    project_.Index.Pages.clear();
    project_.DeletedPages.clear();
    project_.LockedPages.clear();
    switching_ = true;
    while (pageControl1_->count() > 0)
        pageControl1_->removeTab(0);
    switching_ = false;
}

void TMainForm::DiscardWorkingCopies() {
    for (const auto& entry : project_.Index.Pages)
        if (entry->InDesignerTemp) std::remove(WorkingCopy(entry->Name).c_str());
}

bool TMainForm::Save1Click() {
    if (!CommitPendingEdit()) return false;
    WaitCursor wait;
    return SaveProject(project_.BaseFolder);
}

bool TMainForm::SaveProject(const std::string& folder) {
    TSaveSources sources;
    sources.TempFolder = paths_.TempFolder;
    sources.Root = {paths_.ProgramPath, designerVersion_, paths_.DefaultIconPath(),
                    ReadFileVersion};
    sources.SaveCurrentPage = [this](const std::string& path) {
        return SavePageFile(path, host_->Model()->Page());
    };
    if (!SaveProjectFiles(project_, folder, sources)) return false;
    WriteDefaultPath(paths_.IniPath(), folder);
    SetModified(false);
    return true;
}

void TMainForm::SaveAndTest() {
    if (!CommitPendingEdit() || !SaveProject(project_.BaseFolder)) return;
    platform::ShellRequest request;
    request.Verb = "open";
    request.File = project_.BaseFolder + "/autorun.exe";
    request.Folder = project_.BaseFolder;
    platform::CurrentShell().Execute(request);
}

bool TMainForm::WriteTargetFile() {
    const TPageSource source{dsProjectSource, project_.BaseFolder, paths_.TempFolder};
    const auto fromFiles = PagesFromSource(source);
    const auto* current = project_.Entry(project_.CurrentPageIndex);
    return brelvane::WriteTargetFile(project_.BaseFolder, project_.Index,
                                     [&](TStream& stream, const TAutoFormInfo& entry) {
                                         if (&entry == current && host_->Model())
                                             return WritePage(stream, host_->Model()->Page());
                                         return fromFiles(stream, entry);
                                     });
}

void TMainForm::CreateTargetFile() {
    bool written = false;
    {
        WaitCursor wait;
        written = WriteTargetFile();
    }
    if (written)
        platform::ShowInformation(this, "Information",
                                  QString::fromStdString(TargetFileCreatedText()));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!CommitPendingEdit() || !ConfirmUnsavedChanges()) {
        event->ignore();
        return;
    }
    ReleasePage();
    undo_.Clear();
    DiscardWorkingCopies();
    project_.Index.Pages.clear();
    project_.DeletedPages.clear();
    project_.LockedPages.clear();
    project_.CurrentPageIndex = -1;
    event->accept();
}

} // namespace brelvane
