#pragma once

#include "publish/DiscImage.h"
#include "publish/PublishedPlayers.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QRadioButton;

namespace brelvane {

class TPickerDialogs;
namespace platform {
class ProcessLauncher;
}

// Runs programs through `launcher`, the windows repainting meanwhile, until
// they end or `keepGoing` says no; a program given with a folder starts in
// that folder. With `outputLine` their output lines go there.
TProgramRunner ProgramRunner(
    std::shared_ptr<platform::ProcessLauncher> launcher,
    std::function<bool()> keepGoing = [] { return true; },
    std::function<void(const QString&)> outputLine = {});

// What the publish dialog needs of the designer.
struct TPublishServices {
    std::string ProgramPath;
    std::string ProgramFolder;
    std::string BaseFolder;
    // The project's title, the label of a disc image.
    std::string Title;
    // Saves the project and writes its target file; false when either failed
    // (reported already).
    std::function<bool()> SaveStep;
    TPickerDialogs* Dialogs = nullptr;
    // A file name from a save dialog with a filter "Name (*.x)|*.x"; nothing
    // when cancelled.
    std::function<std::optional<std::string>(QWidget* owner, const QString& filter)> SaveFileName;
    // Starts the disc image program and the burner.
    std::shared_ptr<platform::ProcessLauncher> Launcher;
    bool ImageProgramFound = false;
};

// "Save and Publish Project": burns the base folder or makes a disc image of
// it, packs it into one executable, or copies it to a folder, with the Linux
// player, the Windows player or both. A target that fails or is cancelled
// leaves the dialog open.
class TPublishForm : public QDialog {
    Q_OBJECT
public:
    TPublishForm(QWidget* owner, TPublishServices services);

    // Shows the dialog; true when one target was completed.
    bool Execute();

    QRadioButton* BurnTarget() const { return burn_; }
    QRadioButton* ExecutableTarget() const { return executable_; }
    QRadioButton* FolderTarget() const { return folder_; }
    QRadioButton* LinuxPlayer() const { return linux_; }
    QRadioButton* WindowsPlayer() const { return windows_; }
    QRadioButton* BothPlayers() const { return both_; }
    // Why a player choice is not offered, empty when all are.
    QLabel* PlayerNote() const { return playerNote_; }
    // The chosen players with the files they come from.
    TPublishedPlayers Players() const;
    QLabel* FileDescription() const { return description_; }
    QLabel* CompanyName() const { return company_; }
    QLabel* LegalCopyright() const { return copyright_; }
    QPushButton* OkButton() const { return ok_; }
    // The burning program beside the designer, "" when there is none.
    std::string BurnerPath() const;

    void Publish();
    void EditFileInformation();

private:
    void ShowVersionStrings();
    // Offers the choices whose files are there; the burner publishes the base
    // folder with its own player only.
    void UpdatePlayerChoices();
    void SetBusy(bool busy);
    bool Burn();
    bool MakeDiscImage();
    bool MakeSingleExecutable();
    bool CopyToFolder();

    TPublishServices services_;
    bool published_ = false;
    QWidget* targets_ = nullptr;
    QRadioButton* burn_ = nullptr;
    QRadioButton* executable_ = nullptr;
    QRadioButton* folder_ = nullptr;
    QRadioButton* linux_ = nullptr;
    QRadioButton* windows_ = nullptr;
    QRadioButton* both_ = nullptr;
    QLabel* playerNote_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* company_ = nullptr;
    QLabel* copyright_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace brelvane
