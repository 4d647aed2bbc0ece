#include "designer/ExeFileInfoForm.h"

#include "designer/PickerDialogs.h"
#include "platform/MessageBoxes.h"
#include "project/DiscRootFiles.h"
#include "storage/AnsiCodePage.h"
#include "storage/ByteStream.h"
#include "storage/FilePaths.h"
#include "storage/exe/MainIcon.h"
#include "storage/exe/VersionStrings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>

namespace brelvane {

namespace {
constexpr int kIconSize = 32;
constexpr int kEditWidth = 320;
constexpr unsigned kPlayerMode = 0755;

QPixmap ProgramIcon(const std::string& programPath) {
    QPixmap pixmap;
    const auto ico = ReadMainIcon(programPath);
    if (!ico.empty() && pixmap.loadFromData(ico.data(), static_cast<uint>(ico.size()), "ICO"))
        return pixmap;
    return QApplication::windowIcon().pixmap(kIconSize, kIconSize);
}

QString Ansi(const std::string& text) {
    return QString::fromStdString(AnsiToUtf8(text));
}
std::string SlotText(const QLineEdit* edit) {
    return PadToVersionSlot(Utf8ToAnsi(edit->text().toStdString()));
}
} // namespace

TExeFileInfoForm::TExeFileInfoForm(QWidget* owner, std::string programPath, std::string baseFolder,
                                   TPickerDialogs& dialogs)
    : QDialog(owner), programPath_(std::move(programPath)), baseFolder_(std::move(baseFolder)),
      dialogs_(dialogs) {
    setObjectName("ExeFileInfoForm");
    setWindowTitle("Executable File Information");
    auto* layout = new QVBoxLayout(this);

    auto* information = new QGroupBox("File Information", this);
    auto* fields = new QFormLayout(information);
    for (auto* edit : {&fileDescription_, &companyName_, &legalCopyright_}) {
        *edit = new QLineEdit(information);
        (*edit)->setMaxLength(static_cast<int>(kVersionSlotLength));
        // Wide enough for a company name or copyright line to show whole.
        (*edit)->setMinimumWidth(kEditWidth);
    }
    fileDescription_->setObjectName("FileDescription");
    companyName_->setObjectName("CompanyName");
    legalCopyright_->setObjectName("LegalCopyright");
    fields->addRow("File Description:", fileDescription_);
    fields->addRow("Company Name:", companyName_);
    fields->addRow("Legal Copyright:", legalCopyright_);
    layout->addWidget(information);

    auto* iconGroup = new QGroupBox("File Icon", this);
    auto* iconRow = new QHBoxLayout(iconGroup);
    iconRow->addWidget(new QLabel("Icon:", iconGroup));
    iconImage_ = new QPushButton(iconGroup);
    iconImage_->setObjectName("Image1");
    iconImage_->setFlat(true);
    iconImage_->setFixedSize(kIconSize + 8, kIconSize + 8);
    iconImage_->setIconSize(QSize(kIconSize, kIconSize));
    iconRow->addWidget(iconImage_);
    auto* select = new QPushButton("Select Your Own Icon File...", iconGroup);
    select->setObjectName("SelectIcon");
    iconRow->addWidget(select);
    iconRow->addStretch();
    layout->addWidget(iconGroup);
    connect(iconImage_, &QPushButton::clicked, this, &TExeFileInfoForm::SelectIconFile);
    connect(select, &QPushButton::clicked, this, &TExeFileInfoForm::SelectIconFile);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("&OK", QDialogButtonBox::AcceptRole)->setObjectName("OK");
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole)->setObjectName("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &TExeFileInfoForm::Apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    const auto player = PlayerPath();
    std::string description, company, copyright;
    if (FileExists(player) && ReadVersionStrings(player, description, company, copyright)) {
        fileDescription_->setText(Ansi(description));
        companyName_->setText(Ansi(company));
        legalCopyright_->setText(Ansi(copyright));
    }
    ShowIcon(ProgramIcon(programPath_));
}

std::string TExeFileInfoForm::PlayerPath() const {
    return ResolvePath(baseFolder_ + "/autorun.exe");
}

void TExeFileInfoForm::ShowIcon(const QPixmap& pixmap) {
    iconImage_->setIcon(QIcon(pixmap));
}

bool TExeFileInfoForm::Execute() {
    exec();
    return written_;
}

void TExeFileInfoForm::SelectIconFile() {
    const auto chosen = dialogs_.OpenFile(this, "Icons (*.ico)|*.ico", baseFolder_);
    if (!chosen || chosen->empty()) return;
    iconFile_ = *chosen;
    ShowIcon(QIcon(QString::fromStdString(iconFile_)).pixmap(kIconSize, kIconSize));
}

void TExeFileInfoForm::Apply() {
    const auto player = PlayerPath();
    try {
        CopyFileAtomically(programPath_, player, kPlayerMode);
    } catch (const StreamError&) {
        const int error = errno;
        platform::ShowErrorBox(this, "Update Failed",
                               QString::fromLocal8Bit(std::strerror(error)) +
                                   " If the \"autorun.exe\" is running, please terminate it and "
                                   "try again.");
        return;
    }
    written_ = true;
    // The copy stays with whatever was applied when a later step fails.
    try {
        if (!iconFile_.empty() && FileExists(iconFile_)) ReplaceMainIcon(player, iconFile_);
        RewriteVersionStrings(player, SlotText(companyName_), SlotText(fileDescription_),
                              SlotText(legalCopyright_));
    } catch (const std::exception& failure) {
        platform::ShowErrorBox(this, QString::fromLocal8Bit(failure.what()));
        return;
    }
    accept();
}

} // namespace brelvane
