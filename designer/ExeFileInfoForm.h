#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace brelvane {

class TPickerDialogs;

// "Executable File Information": the three version strings and the icon of
// the project's "autorun.exe", written into a fresh copy of the program.
class TExeFileInfoForm : public QDialog {
    Q_OBJECT
public:
    TExeFileInfoForm(QWidget* owner, std::string programPath, std::string baseFolder,
                     TPickerDialogs& dialogs);

    // Shows the dialog; true when "autorun.exe" was written.
    bool Execute();

    QLineEdit* FileDescription() const { return fileDescription_; }
    QLineEdit* CompanyName() const { return companyName_; }
    QLineEdit* LegalCopyright() const { return legalCopyright_; }
    // The 32 x 32 image of the icon; a click on it chooses an icon file too.
    QPushButton* IconImage() const { return iconImage_; }
    const std::string& IconFile() const { return iconFile_; }

    void SelectIconFile();
    // OK: copies the program over "autorun.exe", then applies the icon and
    // the strings. A failure is shown and the dialog stays open.
    void Apply();

private:
    std::string PlayerPath() const;
    void ShowIcon(const QPixmap& pixmap);

    std::string programPath_;
    std::string baseFolder_;
    TPickerDialogs& dialogs_;
    std::string iconFile_;
    bool written_ = false;
    QLineEdit* fileDescription_ = nullptr;
    QLineEdit* companyName_ = nullptr;
    QLineEdit* legalCopyright_ = nullptr;
    QPushButton* iconImage_ = nullptr;
};

} // namespace brelvane
