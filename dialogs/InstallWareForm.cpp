#include "dialogs/InstallWareForm.h"

#include "objects/records/ActionArguments.h"
#include "platform/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr const char* kFileTypes[] = {
    ".avi (Video Clip)",
    ".doc (Microsoft Word Document)",
    ".mov (QuickTime Movie)",
    ".mp3 (MP3 Audio File)",
    ".mpg (MPEG Video)",
    ".pdf (Adobe Acrobat Document)",
    ".pps (Microsoft PowerPoint Slide Show)",
    ".ppt (Microsoft PowerPoint Presentation)",
    ".swf (Shockware Flash)",
    ".xls (Microsoft Excel Worksheet)",
};

std::string WithLeadingDot(const std::string& text) {
    auto trimmed = Trimmed(text);
    if (!trimmed.empty() && trimmed.front() != '.') trimmed.insert(0, 1, '.');
    return trimmed;
}

void Refuse(QWidget* owner, QWidget* field, const QString& text) {
    platform::ShowInformation(owner, "Information", text);
    field->setFocus();
}
} // namespace

TInstallWareForm::TInstallWareForm(QWidget* owner, const TActionContext& context,
                                   const TInstallWare& ware)
    : QDialog(owner), context_(context), modified_(new TModifiedFlag(this)) {
    setObjectName("InstallWareForm");
    setWindowTitle("Install Software");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    executable_ = new QLineEdit(ShownText(ware.Executable), this);
    executable_->setMinimumWidth(300);
    auto* select = new QPushButton("&Select...", this);
    parameters_ = new QLineEdit(ShownText(ware.Parameters), this);
    startFolder_ = new QLineEdit(ShownText(ware.StartFolder), this);
    wait_ = new QCheckBox("Wait for installation to complete before continue", this);
    wait_->setChecked(ware.Wait);
    when_ = new QComboBox(this);
    when_->addItems({"If no viewer for file type", "Always"});
    when_->setCurrentIndex(ware.When == 1 ? 1 : 0);
    fileType_ = new QComboBox(this);
    fileType_->setEditable(true);
    fileType_->setInsertPolicy(QComboBox::NoInsert);
    for (const auto* type : kFileTypes)
        fileType_->addItem(type);
    fileType_->setEditText(ShownText(ware.FileType));
    prompt_ = new QCheckBox("Prompt before running install", this);
    prompt_->setChecked(ware.Prompt);
    caption_ = new QLineEdit(ShownText(ware.PromptCaption), this);
    message_ = new QPlainTextEdit(MemoText(ware.PromptText), this);
    message_->setFixedHeight(70);
    allowSkip_ = new QCheckBox("Allow user to skip the installation", this);
    allowSkip_->setChecked(ware.AllowSkip);

    int row = 0;
    grid->addWidget(new QLabel("Installation Executable:", this), row, 0);
    grid->addWidget(executable_, row, 1);
    grid->addWidget(select, row++, 2);
    grid->addWidget(new QLabel("Parameters:", this), row, 0);
    grid->addWidget(parameters_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("Start Directory:", this), row, 0);
    grid->addWidget(startFolder_, row++, 1, 1, 2);
    grid->addWidget(wait_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("When:", this), row, 0);
    grid->addWidget(when_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("File Type:", this), row, 0);
    grid->addWidget(fileType_, row++, 1, 1, 2);
    grid->addWidget(prompt_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("Message Caption:", this), row, 0);
    grid->addWidget(caption_, row++, 1, 1, 2);
    grid->addWidget(new QLabel("Message Text:", this), row, 0, Qt::AlignTop);
    grid->addWidget(message_, row++, 1, 1, 2);
    grid->addWidget(allowSkip_, row++, 1, 1, 2);
    layout->addLayout(grid);
    AddOkCancel(this, layout);

    for (auto* edit : {executable_, parameters_, startFolder_, caption_})
        modified_->Watch(edit);
    for (auto* box : {wait_, prompt_, allowSkip_})
        modified_->Watch(box);
    for (auto* box : {when_, fileType_})
        modified_->Watch(box);
    connect(message_, &QPlainTextEdit::textChanged, modified_, &TModifiedFlag::Set);
    connect(when_, &QComboBox::currentIndexChanged, this, &TInstallWareForm::UpdateEnabling);
    connect(prompt_, &QCheckBox::toggled, this, &TInstallWareForm::UpdateEnabling);
    connect(select, &QPushButton::clicked, this, &TInstallWareForm::Select);
    UpdateEnabling();
}

void TInstallWareForm::UpdateEnabling() {
    fileType_->setEnabled(when_->currentIndex() == 0);
    const bool prompt = prompt_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{caption_, message_, allowSkip_})
        control->setEnabled(prompt);
}

void TInstallWareForm::Select() {
    auto file = Trimmed(StoredText(executable_->text()));
    if (!context_.ChooseFile(file, TFilePurpose::Installer)) return;
    executable_->setText(ShownText(file));
    parameters_->clear();
    startFolder_->setText(ShownText(FolderOfPath(file)));
    modified_->Set();
}

bool TInstallWareForm::Validate() {
    const auto executable = Trimmed(StoredText(executable_->text()));
    if (IsRootAutorun(executable)) {
        Refuse(this, executable_,
               "The installation executable file can not be the \"" + ShownText(executable) + "\"");
        return false;
    }
    if (executable.empty()) {
        Refuse(this, executable_, "Please input or select the installation executable file.");
        return false;
    }
    if (fileType_->isEnabled() && Trimmed(StoredText(fileType_->currentText())).empty()) {
        Refuse(this, fileType_, "Please input or select the file extension for the file type.");
        return false;
    }
    return true;
}

void TInstallWareForm::done(int result) {
    if (result == Accepted && !Validate()) return;
    QDialog::done(result);
}

void TInstallWareForm::WriteTo(TInstallWare& ware) const {
    ware.Executable = WithLeadingBackslash(StoredText(executable_->text()));
    ware.Parameters = StoredText(parameters_->text());
    ware.StartFolder = WithLeadingBackslash(StoredText(startFolder_->text()));
    ware.Wait = wait_->isChecked();
    ware.When = when_->currentIndex();
    ware.FileType = WithLeadingDot(StoredText(fileType_->currentText()));
    ware.Prompt = prompt_->isChecked();
    ware.PromptCaption = StoredText(caption_->text());
    ware.PromptText = StoredMemoText(message_->toPlainText());
    ware.AllowSkip = allowSkip_->isChecked();
}

std::unique_ptr<TInstallWare> CreateInstallWare(QWidget* owner, const TActionContext& context) {
    auto ware = std::make_unique<TInstallWare>();
    ware->PromptText = kDefaultInstallPrompt;
    TInstallWareForm form(owner, context, *ware);
    if (form.exec() != QDialog::Accepted) return nullptr;
    form.WriteTo(*ware);
    return ware;
}

bool EditInstallWare(QWidget* owner, const TActionContext& context, TInstallWare* ware) {
    if (!ware) return false;
    TInstallWareForm form(owner, context, *ware);
    form.Modified().Clear();
    if (form.exec() != QDialog::Accepted || !form.Modified().IsSet()) return false;
    form.WriteTo(*ware);
    return true;
}

} // namespace brelvane
