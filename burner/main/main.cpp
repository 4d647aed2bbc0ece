// CDBurner: started by the designer with a project's base folder, writes it
// as a disc image or onto a disc. Exit status 0 only when that was done.
#include "burner/BurnerWindow.h"
#include "platform/BundledRuntime.h"
#include "publish/PublishTree.h"
#include "storage/AnsiCodePage.h"
#include "storage/FilePaths.h"
#include "storage/ProjectIndex.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

namespace {

// The project's title from its target file, the folder's name without one.
std::string ProjectTitle(const std::string& baseFolder) {
    brelvane::TProjectIndex index;
    const auto target = baseFolder + "/autorun.tgt";
    if (brelvane::FileExists(target) &&
        brelvane::LoadIndexFile(target, index, brelvane::TTrailer::Skip) &&
        !index.Settings.ApplicationTitle.empty())
        return brelvane::AnsiToUtf8(index.Settings.ApplicationTitle);
    return QFileInfo(QString::fromStdString(baseFolder)).fileName().toStdString();
}

std::string DrivesListing() {
    QProcess devices;
    devices.setProcessChannelMode(QProcess::MergedChannels);
    devices.start("xorriso", {"-devices"});
    if (!devices.waitForFinished(30000)) return {};
    return devices.readAll().toStdString();
}

} // namespace

int main(int argc, char** argv) {
    using namespace brelvane;
    QApplication application(argc, argv);
    QApplication::setApplicationName("CDBurner");
    const auto arguments = QApplication::arguments();
    if (arguments.size() != 2 || !FolderExists(arguments[1].toStdString())) {
        QMessageBox::critical(nullptr, "CDBurner",
                              arguments.size() == 2 ? "Directory \"" + arguments[1] + "\" not found"
                                                    : QString("Usage: CDBurner BASEFOLDER"));
        return 2;
    }
    TBurnJob job;
    job.BaseFolder = QDir::cleanPath(arguments[1]).toStdString();
    job.RuntimeFolder = platform::RunningProgramFolder() + "/" + kPublishedRuntimeFolder;
    if (!FolderExists(job.RuntimeFolder)) {
        QMessageBox::critical(nullptr, "CDBurner",
                              "The folder \"" + QString::fromStdString(job.RuntimeFolder) +
                                  "\" that every disc needs is missing.");
        return 1;
    }
    job.Title = ProjectTitle(job.BaseFolder);
    job.Drives = WritableDrives(DrivesListing());
    TBurnerWindow window(job);
    window.exec();
    return window.Done() ? 0 : 1;
}
