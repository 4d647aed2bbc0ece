#pragma once

#include "designer/DesignerProject.h"
#include "designer/DesignerSettings.h"
#include "designer/EditForm.h"
#include "designer/NewPageForm.h"
#include "designer/TemplateLibrary.h"
#include "designer/UndoHistory.h"
#include "project/PageRecord.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;
class QSplitter;
class QStatusBar;
class QTabBar;
class QToolBar;

namespace brelvane {

class TGroupList;
class TPageHost;
class TPickerDialogs;
class TProjectPickers;
class TPropertyEditor;
class TRichEditorForm;
class TProSplashForm;
class TNewProjectForm;
class TTemplatePane;

// Where the designer lives and what it reads about itself.
struct TDesignerPaths {
    std::string ProgramPath;
    std::string ProgramFolder;
    std::string TempFolder;
    std::string IniPath() const { return ProgramFolder + "/Brelvane.ini"; }
    std::string DefaultIconPath() const { return ProgramFolder + "/Default.ico"; }
    std::string HelpPath() const { return ProgramFolder + "/Brelvane.chm"; }
    std::string TipsPath() const { return ProgramFolder + "/Tips.rtf"; }
};

// Qt's save-file dialog with a filter "Name (*.x)|*.x"; nothing when cancelled.
std::optional<std::string> AskSaveFileNameOnDesktop(QWidget* owner, const QString& filter);

// The designer's main window: one project, its pages as tabs, one live page.
class TMainForm : public QMainWindow, public TSurfaceOwner {
    Q_OBJECT
public:
    TMainForm(TDesignerPaths paths, std::unique_ptr<TPickerDialogs> dialogs);
    ~TMainForm() override;

    // The FileVersion of an executable; "" when it has none. Tests replace it.
    std::function<std::string(const std::string& path)> ReadFileVersion;
    // The save-file question of publishing: a filter "Name (*.x)|*.x" in, a
    // file name or nothing out. Tests replace it.
    std::function<std::optional<std::string>(QWidget* owner, const QString& filter)>
        AskSaveFileName;

    // The group chooser "Select Groups": given a prompt and the page's group
    // names, the ticked names, or nothing when cancelled.
    std::function<std::optional<std::vector<std::string>>(QWidget* owner, const QString& prompt,
                                                          const std::vector<std::string>& groups)>
        ChooseGroups;

    // The first showing: opens the project of `baseFolder` or asks for one.
    // False when the program ends (no project chosen, or the installation run).
    bool Start(const std::string& baseFolder, bool installationRun, TProSplashForm* splash);

    // Designer state and the calls of every designer part.
    void SetModified(bool value) override;
    bool CommitPendingEdit() override;
    // Every command that changes the page calls this first, with its name;
    // Edit > Undo then brings the page back as it was.
    void RecordUndoStep(const QString& label) override;
    bool SaveProject(const std::string& folder);
    bool WriteTargetFile();
    void PageControl1Change();
    void RebuildPageTabs();
    void CenterPage();

    // Commands.
    void New1Click();
    void Open1Click();
    bool Save1Click();
    void SaveAndTest();
    void CreateTargetFile();
    void ExecutableFileInformation();
    void SaveAndPublish();
    void NewSubPage1Click();
    void DeleteSubPage1Click();
    // The PageName row of the property editor; false when the name is refused.
    bool RenamePage(const std::string& newName);
    void PreviewPage();
    // Page > Load From Template: the page's content is replaced without a question.
    void GetPage1Click();
    // Tools > Page Template: the page template manager.
    void PageTemplate1Click();
    // The group list of the current page; Set Visible True/False In Group.
    void RebuildGroupList();
    void SetVisibleTrueInGroup1Click() { SetVisibleInGroup(true); }
    void SetVisibleFalseInGroup1Click() { SetVisibleInGroup(false); }
    void ToggleDisplayGrid();
    void ToggleSnapToGrid();
    void GridSize();
    // The project-wide settings, the editing area's colour and the disc icon.
    void ProjectOptions1Click();
    void BackGroundColor1Click();
    void CdIcon1Click();
    void ShowHelp();
    void ShowAbout();
    // The What's New box at any time, and once at start while the user has
    // not switched it off for this version.
    void WhatsNew1Click();
    void ShowWhatsNewAtStart();

    // The Edit menu and the surface's pop-up menu `PopupMenu1`: the enabled
    // states are recomputed when either opens and whenever the selection or
    // the clipboard changes, so that their shortcuts follow them.
    void Edit1Click();
    void PopupMenu1Change() { Edit1Click(); }
    void Undo1Click();
    void Redo1Click();
    void AligntoGrid1Click();
    void AlignLeft1Click();
    void AlignCenter1Click();
    void AlignRight1Click();
    void AlignTop1Click();
    void AlignMiddle1Click();
    void AlignBottom1Click();
    void Copy1Click();
    void Paste1Click();
    void Duplicate1Click();
    // Acts only while the surface's key sink has the focus, so that Del and
    // Ctrl+Del typed into the property editor edit its text.
    void Delete1Click();
    void Clear1Click();
    void BringtoFront1Click();
    void SendtoBack1Click();
    void SelectAll1Click();
    QMenu* PopupMenu1() const { return popupMenu1_; }
    const TUndoHistory& UndoHistory() const { return undo_; }

    // TSurfaceOwner
    TGrid Grid() const override;
    std::optional<std::uint8_t> AddingKind() const override;
    void AddingDone() override;

    TDesignerProject& Project() { return project_; }
    const TDesignerSettings& Settings() const { return settings_; }
    const TDesignerPaths& Paths() const { return paths_; }
    TTemplateLibrary Library() const { return {paths_.ProgramFolder + "/Templates"}; }
    TTemplatePane& TemplatePane() const { return *pageControl2_; }
    TGroupList& GroupList() const { return *scrollBox5_; }
    TPageHost& Host() { return *host_; }
    TEditForm* EditForm() const { return editForm_; }
    TProjectPickers& Pickers() { return *pickers_; }
    TPropertyEditor& PropertyEditor() const { return *propertyEditor_; }
    QTabBar* PageTabs() const { return pageControl1_; }
    QScrollArea* EditingArea() const { return scrollBox1_; }
    const std::string& DesignerVersion() const { return designerVersion_; }
    const QImage& ShadowPreview() const { return shadowPreview_; }
    QAction* Action(const char* objectName) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildEditMenu();
    void UpdateUndoCommands();
    // Replaces the live page by a snapshot, keeping the selection by name.
    void RestorePage(const std::vector<std::uint8_t>& snapshot);
    void BuildToolBars();
    void BuildPanes();
    // What follows a value applied in the property editor.
    void PropertyApplied(unsigned followUps);
    // The live page goes: the property rows that refer to it go first.
    void ReleasePage();
    QAction* AddCommand(QMenu* menu, const char* objectName, const char* caption,
                        const QKeySequence& shortcut, void (TMainForm::*handler)());
    void AddToggle(QMenu* menu, const char* objectName, const char* caption, QWidget* pane);
    // "Save changes to file?" before New, Open and closing; false stops them.
    bool ConfirmUnsavedChanges();
    bool RunNewProjectDialog(const std::string& folder);
    void CreateProject(const TNewProjectForm& form);
    // Opens the project of `folder`; false when its index could not be read.
    bool OpenProject(const std::string& folder);
    void OfferNewProject(const std::string& folder, const QString& question);
    // Writes the live page to its working copy; false when that failed.
    bool ParkCurrentPage();
    void CloseProject();
    void DiscardWorkingCopies();
    void UpdateEnvironment();
    void RepaintShadowPreview();
    void WriteSettings();
    void AppendPageTab(const TAutoFormInfo& entry);
    void CenterPage(TPageRecord& page) const;
    // A page template read into `page`, its unnamed objects named; false when
    // it cannot be read (its error is reported).
    bool ReadPageTemplate(const std::string& path, TPageRecord& page) const;
    std::string PickPageTemplate(std::uint8_t kind);
    void SetVisibleInGroup(bool value);
    // Shown or hidden controls: the page's picture and the marks anew.
    void DesignViewChanged();
    std::string WorkingCopy(const std::string& name) const;

    TDesignerPaths paths_;
    TDesignerSettings settings_;
    TDesignerProject project_;
    std::string designerVersion_;
    std::unique_ptr<TPickerDialogs> dialogs_;
    std::unique_ptr<TProjectPickers> pickers_;
    std::unique_ptr<TPageHost> host_;

    QToolBar* toolBar1_ = nullptr;
    QToolBar* toolBar2_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QWidget* panel2_ = nullptr;
    TPropertyEditor* propertyEditor_ = nullptr;
    // Made once here and reused by every rich-text row.
    TRichEditorForm* richEditor_ = nullptr;
    QTabBar* pageControl1_ = nullptr;
    TTemplatePane* pageControl2_ = nullptr;
    TGroupList* scrollBox5_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    QLabel* image1_ = nullptr;
    TEditForm* editForm_ = nullptr;
    QActionGroup* objectTools_ = nullptr;
    QMenu* popupMenu1_ = nullptr;
    TUndoHistory undo_;
    QImage shadowPreview_;
    QTimer timer1_;
    QTimer timer2_;
    bool switching_ = false;
};

} // namespace brelvane
