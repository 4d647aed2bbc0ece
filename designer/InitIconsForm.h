#pragma once

#include "designer/TemplateLibrary.h"

#include <QDialog>
#include <string>

class QLabel;
class QProgressBar;

namespace brelvane {

// "Initialize System": the progress of the installation run.
class TInitIconsForm : public QDialog {
    Q_OBJECT
public:
    explicit TInitIconsForm(QWidget* owner);

    QLabel* Label1 = nullptr;             // the phase
    QLabel* Label2 = nullptr;             // the current file
    QProgressBar* ProgressBar1 = nullptr; // "All:"
    QProgressBar* ProgressBar2 = nullptr; // "Current:"
};

// What the installation run did, for its callers and tests.
struct TInstallationReport {
    int PagePreviews = 0;
    int ObjectPreviews = 0;
    int PlayerCopies = 0;
};

// The "-I" start: renders every template preview anew, then copies the
// running program as the player `autorun.exe` into the program folder, `CDROM`
// and each existing `SampleCD0` … `SampleCD12` (mode 0755, failures ignored).
// `progress`, when given, shows the work as it goes.
TInstallationReport InstallationRun(const std::string& programPath,
                                    const std::string& programFolder, TInitIconsForm* progress);

} // namespace brelvane
