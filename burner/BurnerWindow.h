#pragma once

#include "burner/BurnerOutput.h"

#include <QDialog>
#include <QProcess>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace brelvane {

// What the burner works on: the base folder it was given and what lies
// beside the burner itself.
struct TBurnJob {
    std::string BaseFolder;
    std::string RuntimeFolder;
    // The volume label.
    std::string Title;
    std::vector<TDrive> Drives;
};

// "CDBurner": writes the base folder as an ISO 9660 image or onto a disc in
// a writable drive, with xorriso, its progress shown from xorriso's output.
// Cancel stops xorriso and deletes the partial image; only a completed run
// counts as done.
class TBurnerWindow : public QDialog {
    Q_OBJECT
public:
    explicit TBurnerWindow(TBurnJob job, QWidget* owner = nullptr);
    ~TBurnerWindow() override;

    bool Done() const { return done_; }

    QComboBox* Target() const { return target_; }
    QLineEdit* ImageFile() const { return image_; }
    QProgressBar* Progress() const { return progress_; }
    QLabel* Status() const { return status_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* CancelButton() const { return cancel_; }

    void Start();
    void Cancel();

private:
    void ReadOutput();
    void Finished(int exitCode, QProcess::ExitStatus status);
    void ChooseImage();
    void SetRunning(bool running);
    void Fail(const QString& text);

    TBurnJob job_;
    QProcess process_;
    QByteArray pending_;
    // The image being written under a temporary name, "" when burning.
    QString partial_;
    QString imagePath_;
    bool done_ = false;
    QComboBox* target_ = nullptr;
    QLineEdit* image_ = nullptr;
    QPushButton* browse_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace brelvane
