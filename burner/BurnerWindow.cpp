#include "burner/BurnerWindow.h"

#include "publish/DiscImage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr int kImageTarget = 0;
constexpr int kProgressSteps = 1000;

QString Partial(const QString& image) {
    const QFileInfo info(image);
    return info.dir().filePath("." + info.fileName() + ".burning");
}
} // namespace

TBurnerWindow::TBurnerWindow(TBurnJob job, QWidget* owner) : QDialog(owner), job_(std::move(job)) {
    setObjectName("BurnerWindow");
    setWindowTitle("CDBurner");
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow("Folder:", new QLabel(QString::fromStdString(job_.BaseFolder), this));
    target_ = new QComboBox(this);
    target_->addItem("ISO image file");
    for (const auto& drive : job_.Drives)
        target_->addItem("Disc in " + QString::fromStdString(drive.Name),
                         QString::fromStdString(drive.Address));
    fields->addRow("Write to:", target_);
    auto* imageRow = new QHBoxLayout;
    image_ = new QLineEdit(QDir(QDir::homePath()).filePath("disc.iso"), this);
    browse_ = new QPushButton("Browse...", this);
    imageRow->addWidget(image_);
    imageRow->addWidget(browse_);
    fields->addRow("Image file:", imageRow);
    layout->addLayout(fields);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, kProgressSteps);
    progress_->setValue(0);
    status_ = new QLabel(
        job_.Drives.empty() ? "No writable drive found: an image can be made." : "Ready.", this);
    status_->setObjectName("Status");
    layout->addWidget(progress_);
    layout->addWidget(status_);
    auto* buttons = new QDialogButtonBox(this);
    start_ = buttons->addButton("Start", QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    resize(520, sizeHint().height());

    connect(target_, &QComboBox::currentIndexChanged, this, [this](int index) {
        image_->setEnabled(index == kImageTarget);
        browse_->setEnabled(index == kImageTarget);
    });
    connect(browse_, &QPushButton::clicked, this, &TBurnerWindow::ChooseImage);
    connect(start_, &QPushButton::clicked, this, &TBurnerWindow::Start);
    connect(cancel_, &QPushButton::clicked, this, &TBurnerWindow::Cancel);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    connect(&process_, &QProcess::readyRead, this, &TBurnerWindow::ReadOutput);
    connect(&process_, &QProcess::finished, this, &TBurnerWindow::Finished);
}

TBurnerWindow::~TBurnerWindow() {
    if (process_.state() != QProcess::NotRunning) Cancel();
}

void TBurnerWindow::ChooseImage() {
    const auto name =
        QFileDialog::getSaveFileName(this, "Image File", image_->text(), "ISO File (*.iso)");
    if (!name.isEmpty()) image_->setText(name);
}

void TBurnerWindow::SetRunning(bool running) {
    target_->setEnabled(!running);
    image_->setEnabled(!running && target_->currentIndex() == kImageTarget);
    browse_->setEnabled(!running && target_->currentIndex() == kImageTarget);
    start_->setEnabled(!running);
}

void TBurnerWindow::Fail(const QString& text) {
    status_->setText(text);
    SetRunning(false);
}

void TBurnerWindow::Start() {
    const auto label = DiscVolumeLabel(job_.Title);
    std::vector<std::string> command;
    partial_.clear();
    if (target_->currentIndex() == kImageTarget) {
        imagePath_ = QFileInfo(image_->text().trimmed()).absoluteFilePath();
        if (image_->text().trimmed().isEmpty()) return Fail("Choose the image file first.");
        if (!QFileInfo(imagePath_).dir().exists())
            return Fail("The folder of \"" + imagePath_ + "\" does not exist.");
        // The image does not exist yet: its folder, links resolved, tells.
        const auto folder = QFileInfo(imagePath_).dir().canonicalPath() + "/";
        const auto base = QDir(QString::fromStdString(job_.BaseFolder)).canonicalPath() + "/";
        if (folder.startsWith(base))
            return Fail("The image cannot lie inside the folder it holds.");
        partial_ = Partial(imagePath_);
        QFile::remove(partial_);
        command = DiscImageCommand(job_.BaseFolder, OwnPlayer(job_.RuntimeFolder),
                                   partial_.toStdString(), label);
    } else {
        command = BurnCommand(job_.BaseFolder, job_.RuntimeFolder,
                              target_->currentData().toString().toStdString(), label);
    }
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i)
        arguments << QString::fromStdString(command[i]);
    progress_->setValue(0);
    status_->setText(partial_.isEmpty() ? "Burning..." : "Writing the image...");
    SetRunning(true);
    pending_.clear();
    process_.start(QString::fromStdString(command.front()), arguments);
    if (!process_.waitForStarted()) Fail("The disc program \"xorriso\" cannot be started.");
}

void TBurnerWindow::ReadOutput() {
    pending_ += process_.readAll();
    qsizetype end;
    while ((end = pending_.indexOf('\n')) >= 0) {
        const auto line = pending_.left(end).toStdString();
        pending_.remove(0, end + 1);
        if (const auto percent = ProgressPercent(line))
            progress_->setValue(static_cast<int>(*percent * kProgressSteps / 100));
    }
}

void TBurnerWindow::Finished(int exitCode, QProcess::ExitStatus status) {
    ReadOutput();
    if (status != QProcess::NormalExit || exitCode != 0) {
        if (!partial_.isEmpty()) QFile::remove(partial_);
        return Fail(QString("The disc program \"xorriso\" ended with status %1.").arg(exitCode));
    }
    if (!partial_.isEmpty()) {
        QFile::remove(imagePath_);
        if (!QFile::rename(partial_, imagePath_)) {
            QFile::remove(partial_);
            return Fail("The image cannot be written as \"" + imagePath_ + "\".");
        }
    }
    progress_->setValue(kProgressSteps);
    done_ = true;
    accept();
}

void TBurnerWindow::Cancel() {
    if (process_.state() != QProcess::NotRunning) {
        process_.disconnect(this);
        process_.kill();
        process_.waitForFinished();
    }
    if (!partial_.isEmpty()) QFile::remove(partial_);
    reject();
}

} // namespace brelvane
