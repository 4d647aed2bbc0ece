#include "designer/PublishForm.h"

#include "designer/ExeFileInfoForm.h"
#include "designer/PickerDialogs.h"
#include "designer/ProjectPaths.h"
#include "designer/WaitCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "publish/FolderPublish.h"
#include "publish/LaunchingExecutable.h"
#include "storage/AnsiCodePage.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/exe/VersionStrings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace brelvane {

namespace {
// Work shorter than this shows no progress window.
constexpr int kProgressDelayMs = 500;
constexpr int kProgressSteps = 1000;

// One radio button of a group: where it is kept, its text and object name.
struct TRadioChoice {
    QRadioButton** Button;
    const char* Text;
    const char* Name;
};

QGroupBox* RadioGroup(QWidget* owner, const QString& title,
                      std::initializer_list<TRadioChoice> choices) {
    auto* group = new QGroupBox(title, owner);
    auto* list = new QVBoxLayout(group);
    for (const auto& choice : choices) {
        *choice.Button = new QRadioButton(choice.Text, group);
        (*choice.Button)->setObjectName(choice.Name);
        list->addWidget(*choice.Button);
    }
    return group;
}

bool RefusedInsideBase(const std::string& path, const std::string& baseFolder) {
    if (!IsInsideFolder(path, baseFolder)) return false;
    errno = EINVAL;
    ReportFileError(kPublishInsideBaseError, path);
    return true;
}
} // namespace

TProgramRunner ProgramRunner(std::shared_ptr<platform::ProcessLauncher> launcher,
                             std::function<bool()> keepGoing,
                             std::function<void(const QString&)> outputLine) {
    return [launcher, keepGoing, outputLine](const std::vector<std::string>& args) {
        platform::ProcessRequest request;
        request.Program = QString::fromStdString(args.front());
        for (std::size_t i = 1; i < args.size(); ++i)
            request.Arguments << QString::fromStdString(args[i]);
        request.Folder =
            QString::fromStdString(std::filesystem::path(args.front()).parent_path().string());
        const auto outcome = launcher->RunWhile(request, keepGoing, outputLine);
        if (!outcome.Started) return kProgramNotStarted;
        return outcome.Cancelled ? kProgramCancelled : outcome.ExitCode;
    };
}

TPublishForm::TPublishForm(QWidget* owner, TPublishServices services)
    : QDialog(owner), services_(std::move(services)) {
    setObjectName("PublishForm");
    setWindowTitle("Save and Publish Project");
    auto* layout = new QVBoxLayout(this);

    targets_ = RadioGroup(this, "Publish Target",
                          {{&burn_, "Burn CD/DVD Directly or Create ISO Image", "BurnTarget"},
                           {&executable_, "Create a Single Executable File", "ExecutableTarget"},
                           {&folder_, "Folder on Your Hard Drive", "FolderTarget"}});
    layout->addWidget(targets_);

    auto* players = RadioGroup(this, "Player",
                               {{&linux_, "Linux", "LinuxPlayer"},
                                {&windows_, "Windows", "WindowsPlayer"},
                                {&both_, "Linux and Windows", "BothPlayers"}});
    playerNote_ = new QLabel(players);
    playerNote_->setObjectName("PlayerNote");
    playerNote_->setWordWrap(true);
    players->layout()->addWidget(playerNote_);
    layout->addWidget(players);

    auto* information = new QGroupBox("Executable File Information", this);
    auto* fields = new QFormLayout(information);
    for (auto* label : {&description_, &company_, &copyright_})
        *label = new QLabel(information);
    fields->addRow("File Description:", description_);
    fields->addRow("Company Name:", company_);
    fields->addRow("Legal Copyrigh:", copyright_);
    auto* edit = new QPushButton("Edit File Information...", information);
    edit->setObjectName("EditFileInformation");
    fields->addRow(edit);
    connect(edit, &QPushButton::clicked, this, &TPublishForm::EditFileInformation);
    layout->addWidget(information);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    ok_->setObjectName("OK");
    cancel_->setObjectName("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &TPublishForm::Publish);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    ShowVersionStrings();
    // Without a burner the image program makes an image; without both the
    // option cannot work.
    const bool canBurn = !BurnerPath().empty() || services_.ImageProgramFound;
    burn_->setEnabled(canBurn);
    (canBurn ? burn_ : executable_)->setChecked(true);
    (kNativePlayer == TPlayerChoice::Linux ? linux_ : windows_)->setChecked(true);
    connect(burn_, &QRadioButton::toggled, this, &TPublishForm::UpdatePlayerChoices);
    UpdatePlayerChoices();
}

TPublishedPlayers TPublishForm::Players() const {
    const auto choice = both_->isChecked()      ? TPlayerChoice::Both
                        : windows_->isChecked() ? TPlayerChoice::Windows
                                                : TPlayerChoice::Linux;
    return PlayersBesideProgram(choice, services_.BaseFolder, services_.ProgramFolder);
}

void TPublishForm::UpdatePlayerChoices() {
    auto* native = kNativePlayer == TPlayerChoice::Linux ? linux_ : windows_;
    auto* foreign = native == linux_ ? windows_ : linux_;
    const auto foreignPlayer =
        PlayersBesideProgram(TPlayerChoice::Both, services_.BaseFolder, services_.ProgramFolder);
    const auto& foreignPath =
        native == linux_ ? foreignPlayer.WindowsPlayer : foreignPlayer.LinuxPlayer;
    QString note;
    if (burn_->isChecked() && !BurnerPath().empty())
        note = "The disc burner publishes the base folder with its own player.";
    else if (!FileExists(foreignPath))
        note = QString("No %1 player: \"%2\" not found.")
                   .arg(foreign->text(), QString::fromStdString(foreignPath));
    for (auto* button : {foreign, both_})
        button->setEnabled(note.isEmpty());
    if (!note.isEmpty()) native->setChecked(true);
    playerNote_->setText(note);
    playerNote_->setVisible(!note.isEmpty());
}

std::string TPublishForm::BurnerPath() const {
    for (const char* name : {"CDBurner", "CDBurner.exe"}) {
        const auto path = ResolvePath(services_.ProgramFolder + "/" + name);
        if (FileExists(path)) return path;
    }
    return {};
}

bool TPublishForm::Execute() {
    exec();
    return published_;
}

void TPublishForm::ShowVersionStrings() {
    std::string description, company, copyright;
    ReadVersionStrings(ResolvePath(services_.BaseFolder + "/autorun.exe"), description, company,
                       copyright);
    description_->setText(QString::fromStdString(AnsiToUtf8(description)));
    company_->setText(QString::fromStdString(AnsiToUtf8(company)));
    copyright_->setText(QString::fromStdString(AnsiToUtf8(copyright)));
}

void TPublishForm::EditFileInformation() {
    TExeFileInfoForm form(this, services_.ProgramPath, services_.BaseFolder, *services_.Dialogs);
    form.Execute();
    ShowVersionStrings();
}

void TPublishForm::SetBusy(bool busy) {
    targets_->setEnabled(!busy);
    ok_->setEnabled(!busy);
    cancel_->setEnabled(!busy);
}

void TPublishForm::Publish() {
    bool done = false;
    if (burn_->isChecked())
        done = BurnerPath().empty() ? MakeDiscImage() : Burn();
    else if (executable_->isChecked())
        done = MakeSingleExecutable();
    else if (folder_->isChecked())
        done = CopyToFolder();
    if (!done) return;
    published_ = true;
    accept();
}

bool TPublishForm::Burn() {
    if (!services_.SaveStep()) return false;
    SetBusy(true);
    int status = kProgramNotStarted;
    {
        WaitCursor wait;
        // The burner shows its own failures; one that did not finish keeps
        // the dialog open.
        status = ProgramRunner(services_.Launcher)({BurnerPath(), services_.BaseFolder});
    }
    SetBusy(false);
    if (status == kProgramNotStarted) {
        errno = ENOENT;
        ReportFileError(kDiscImageError, BurnerPath());
    }
    return status == 0;
}

bool TPublishForm::MakeDiscImage() {
    const auto image = services_.SaveFileName(this, "ISO File (*.iso)|*.iso");
    if (!image || image->empty() || RefusedInsideBase(*image, services_.BaseFolder) ||
        !services_.SaveStep())
        return false;
    SetBusy(true);
    QProgressDialog progress("Writing the disc image...", "Cancel", 0, kProgressSteps, this);
    progress.setObjectName("PublishProgress");
    progress.setWindowModality(Qt::WindowModal);
    progress.setValue(0);
    QTimer::singleShot(kProgressDelayMs, &progress, &QWidget::show);
    const auto run = ProgramRunner(
        services_.Launcher, [&] { return !progress.wasCanceled(); },
        [&](const QString& line) {
            // The image program tells its share done in its progress lines.
            if (const auto percent = ProgressPercent(line.toStdString()))
                progress.setValue(
                    std::min(int(*percent * kProgressSteps / 100), kProgressSteps - 1));
        });
    const auto result =
        WriteDiscImage(services_.BaseFolder, Players(), *image, services_.Title, run);
    progress.close();
    SetBusy(false);
    return result == TPublishResult::Done;
}

bool TPublishForm::MakeSingleExecutable() {
    const auto path = services_.SaveFileName(this, "EXE Files (*.exe)|*.exe");
    if (!path || path->empty() || RefusedInsideBase(*path, services_.BaseFolder) ||
        !services_.SaveStep())
        return false;
    const auto players = Players();
    {
        WaitCursor wait;
        if (!WriteSingleExecutables(services_.BaseFolder, players, *path)) return false;
    }
    if (platform::AskYesNo(this, "Executable File", "Executable file created, launch it?",
                           platform::TMessageIcon::Information)) {
        // Of two, the one this system runs.
        const auto files = SingleExecutableNames(players.Choice, *path);
        const auto native = std::find_if(files.begin(), files.end(), [](const auto& file) {
            return file.first == kNativePlayer;
        });
        platform::ShellRequest request;
        request.Verb = "open";
        request.File = (native != files.end() ? *native : files.front()).second;
        platform::CurrentShell().Execute(request);
    }
    return true;
}

bool TPublishForm::CopyToFolder() {
    auto chosen = services_.Dialogs->BrowseFolder(this, "Select Target Folder", {}, {});
    if (!chosen || chosen->empty()) return false;
    const auto destination = WithoutTrailingSeparators(*chosen);
    if (RefusedInsideBase(destination, services_.BaseFolder) || !services_.SaveStep()) return false;
    SetBusy(true);
    QProgressDialog progress("Copying the project...", "Cancel", 0, kProgressSteps, this);
    progress.setObjectName("PublishProgress");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    const auto result = PublishFolder(
        services_.BaseFolder, destination, Players(), [&](std::uint64_t done, std::uint64_t total) {
            const auto step = total == 0 ? kProgressSteps : int(done * kProgressSteps / total);
            progress.setValue(std::min(step, kProgressSteps - 1));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    progress.close();
    SetBusy(false);
    return result == TPublishResult::Done;
}

} // namespace brelvane
