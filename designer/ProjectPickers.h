#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace brelvane {

class TPickerDialogs;

// Filters of the open-file dialog, by what is chosen.
inline constexpr char kAllFilesFilter[] = "All (*.*)|*.*";
inline constexpr char kPictureFilter[] =
    "All pictures (*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.ico;*.emf;*.wmf)|"
    "*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
    "JPEG Image File (*.jpg;*.jpeg)|*.jpg;*.jpeg|GIF Image (*.gif)|*.gif|"
    "Portable Network Graphics (*.png)|*.png|Icons (*.ico)|*.ico|"
    "Metafiles (*.emf;*.wmf)|*.emf;*.wmf";
inline constexpr char kFlashFilter[] = "Flash Movies (*.swf)|*.swf";
inline constexpr char kAviFilter[] = "AVI file (*.avi)|*.avi";
inline constexpr char kCursorFilter[] =
    "All (*.cur;*.ani;*.ico)|*.cur;*.ani;*.ico|Cursor file (*.cur)|*.cur|"
    "Animated Cursor file (*.ani)|*.ani|Icon file (*.ico)|*.ico";
inline constexpr char kProgramFilter[] =
    "Executable Files (*.exe)|*.exe|Windows Installer Package (*.msi)|*.msi|All Files (*.*)|*.*";

// The designer's only way of choosing files and folders of a project: the
// choice comes back as a stored path relative to the base folder.
class TProjectPickers {
public:
    TProjectPickers(std::function<std::string()> baseFolder, TPickerDialogs& dialogs,
                    QWidget* owner);

    // A full folder path; `preselect` is emptied when it names no folder.
    bool BrowseFolder(const QString& title, const std::string& root, std::string& preselect);
    // The project folder itself (a source folder is turned into its parent
    // when the user agrees).
    bool ChooseProjectFolder(std::string& folder);
    // A folder inside the project as a stored path ("\" the base folder).
    bool ChooseFolderInProject(std::string& start, const QString& title = QString());
    // A file inside the project as a stored path; a file from outside is
    // copied in when the user agrees.
    bool ChooseFileInProject(std::string& start, const QString& filter = kAllFilesFilter);

private:
    // The stored path of `path`, or nothing after telling the user that the
    // name cannot be stored.
    bool StoredPath(const std::string& path, std::string& stored);

    std::function<std::string()> baseFolder_;
    TPickerDialogs& dialogs_;
    QWidget* owner_;
};

} // namespace brelvane
