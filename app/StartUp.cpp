#include "app/StartUp.h"

#include "app/Cleanup.h"
#include "app/ErrorBoxes.h"
#include "app/FirstRunFolders.h"
#include "app/ProgramIcon.h"
#include "app/ProjectData.h"
#include "app/RunMode.h"
#include "designer/MainForm.h"
#include "designer/PickerDialogs.h"
#include "designer/ProSplashForm.h"
#include "platform/BundledRuntime.h"
#include "platform/IniFile.h"
#include "platform/Media.h"
#include "platform/SingleInstance.h"
#include "platform/SpecialFolders.h"
#include "platform/WindowEffects.h"
#include "player/AutoRunForm.h"
#include "player/HintStyle.h"
#include "player/PlayerEnvironment.h"
#include "player/StartSequence.h"
#include "render/AAFaceNames.h"
#include "render/AnsiText.h"
#include "storage/FilePaths.h"
#include "storage/exe/FileVersion.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>

namespace brelvane {

namespace {
constexpr char kApplicationTitle[] = "Brelvane";
constexpr char kPlayerTitle[] = "AutoRun";

// The program's path as it was started: a link named "autorun.exe" to the
// designer's executable plays, so links are not resolved.
std::string ExecutablePath(char** argv) {
    const QString started = QString::fromLocal8Bit(argv[0]);
    if (started.contains('/'))
        return QDir::cleanPath(QDir::current().absoluteFilePath(started)).toStdString();
    return QCoreApplication::applicationFilePath().toStdString();
}
} // namespace

std::string DesignerStartFolder(const TProcessState& state) {
    const auto ini = state.ProgramFolder + "/Brelvane.ini";
    std::string folder;
    if (FileExists(ini)) folder = platform::IniFile::Load(ini).Value("START", "DefaultPath", "");
    const auto samples = state.DocumentsFolder + "/Brelvane Projects/CDROM";
    if (folder.empty() && FolderExists(samples)) folder = samples;
    return folder;
}

int RunDesignerMode(TProcessState& state, bool installationRun) {
    platform::SingleInstance instance(kApplicationTitle);
    if (!installationRun && instance.ActivateRunningInstance()) return 0;
    state.DesignerMode = true;
    state.BaseFolder.clear();
    state.DocumentsFolder = platform::DocumentsFolder();
    CreateDefaultProjectFolders(state.DocumentsFolder, state.ProgramFolder);
    state.BaseFolder = DesignerStartFolder(state);
    QApplication::setApplicationName(kApplicationTitle);

    auto* splash = new TProSplashForm;
    splash->FadeIn();
    TMainForm window({state.ProgramPath, state.ProgramFolder, state.DesignerTempFolder},
                     CreateDesktopPickerDialogs());
    window.ReadFileVersion = [](const std::string& path) { return ReadFileVersion(path); };
    instance.Listen([&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    if (!window.Start(state.BaseFolder, installationRun, splash)) {
        window.close();
        return 0;
    }
    return QApplication::exec();
}

bool StartPlayer(TProcessState& state) {
    state.DesignerMode = false;
    QApplication::setApplicationName(kPlayerTitle);
    state.BaseFolder = state.ProgramFolder;
    state.DataSource = ChooseDataSource(state.BaseFolder, state);
    if (!LoadProjectData(state)) return false;

    auto& environment = PlayerEnvironment();
    environment.Project = &state.Project;
    environment.Source = {state.DataSource == dsProjectSource ? dsProjectSource : dsTargetFile,
                          state.BaseFolder, state.DesignerTempFolder};
    environment.DesignerMode = false;
    environment.IsNtPlatform = state.IsNtPlatform;
    environment.CanFade = state.CanFade;
    const auto& settings = state.Project.Settings;
    if (settings.Hint && settings.Hint->UseCustomizedHint) InstallHintStyle(settings.Hint.get());
    if (!settings.ApplicationTitle.empty()) {
        environment.ApplicationTitle = settings.ApplicationTitle;
        QApplication::setApplicationName(FromAnsi(settings.ApplicationTitle));
    }
    // The program's own icon, which a copy may have been given; a program
    // built without one shows the disc icon beside it.
    const auto icon = ResolvePath(state.BaseFolder + "/autorun.ico");
    if (QApplication::windowIcon().isNull() && FileExists(icon))
        QApplication::setWindowIcon(QIcon(QString::fromStdString(icon)));
    return true;
}

int RunPlayerMode(TProcessState& state) {
    int code = 1;
    if (StartPlayer(state)) {
        TStartSequence sequence;
        const auto outcome = sequence.Run();
        if (outcome == TStartOutcome::Running) {
            QObject::connect(sequence.MainWindow(), &TAutoRunForm::Closed, qApp,
                             &QApplication::quit, Qt::QueuedConnection);
            QApplication::exec();
        }
        code = outcome == TStartOutcome::Failed ? 1 : 0;
    }
    // Unpacked package files go even when loading failed after unpacking.
    RunCleanup(state.CleanupList);
    return code;
}

int RunProgram(int argc, char** argv) {
    auto& state = Process();
    ResetSettings(state.Project.Settings);

    // The web engine, loaded later for pages that show web views or Flash,
    // shares its drawing context with the program's windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    platform::PrepareMediaOutput();
    platform::UseBundledRuntime(platform::RunningProgramFolder(), platform::TempFolder());
    QApplication application(argc, argv);
    // Pages name Windows faces; where those are missing the sans ones must stay sans.
    InstallFaceStandIns();
    // Fades and shadows need a desktop that blends windows.
    state.IsNtPlatform = state.CanFade = platform::DesktopBlendsWindows();
    QApplication::setApplicationName(kApplicationTitle);
    InstallErrorBoxSink();
    SetProgramPaths(state, ExecutablePath(argv));
    QApplication::setWindowIcon(ProgramIcon(state.ProgramPath));

    const int code = IsDesignerName(FileNameOf(state.ProgramPath))
                         ? RunDesignerMode(state, IsInstallationRun(argc, argv))
                         : RunPlayerMode(state);
    FreeSettings(state.Project.Settings);
    return code;
}

} // namespace brelvane
