#include "dialogs/CopyFileActionForm.h"

#include "platform/SpecialFolders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr const char* kTargetPrefix = "[Target Folder] \\";

TCopyThenOpenArgument CopyFileDefaults() {
    TCopyThenOpenArgument defaults;
    defaults.ShowMessage = true;
    defaults.MessageCaption = "Copy File";
    defaults.MessageText = "Copy file/folder to your hard disk then open file, continue?";
    defaults.MessageType = "1";
    defaults.OpenFolder = "\\";
    return defaults;
}

void SetMark(bool& flag, const std::string& piece) {
    flag = piece == "Y";
}
} // namespace

TCopyThenOpenArgument ReadCopyFileSettings(const std::string& text) {
    auto a = CopyFileDefaults();
    const auto pieces = SplitPieces(text, kPieceEnd);
    const auto n = pieces.size();
    if (n > 0) a.Source = Trimmed(pieces[0]);
    if (n > 1) a.Target = Trimmed(pieces[1]);
    if (n > 2) SetMark(a.Overwrite, pieces[2]);
    if (n > 3) SetMark(a.ShowMessage, pieces[3]);
    if (n > 4) a.MessageCaption = pieces[4];
    if (n > 5) a.MessageText = pieces[5];
    if (n > 6) a.MessageType = pieces[6];
    if (n > 7) a.OpenFile = pieces[7];
    if (n > 8) a.OpenParameters = pieces[8];
    if (n > 9) a.OpenFolder = pieces[9];
    return a;
}

TCopyFileActionForm::TCopyFileActionForm(QWidget* owner, const TActionContext& context,
                                         const std::string& text)
    : QDialog(owner), context_(context), modified_(new TModifiedFlag(this)) {
    setObjectName("CopyFileActionForm");
    setWindowTitle("Copy file or files in a folder");
    const auto a = ReadCopyFileSettings(text);
    auto* layout = new QVBoxLayout(this);

    auto* grid = new QGridLayout;
    source_ = new QLineEdit(ShownText(a.Source), this);
    source_->setMinimumWidth(320);
    auto* selectFile = new QPushButton("&Select File...", this);
    auto* selectFolder = new QPushButton("Select &Folder...", this);
    grid->addWidget(new QLabel("Source File or Files in Folder:", this), 0, 0, 1, 3);
    grid->addWidget(source_, 1, 0);
    grid->addWidget(selectFile, 1, 1);
    grid->addWidget(selectFolder, 1, 2);
    target_ = new QComboBox(this);
    target_->setObjectName("TargetBox");
    target_->setEditable(true);
    target_->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 0; i < platform::kSpecialFolderCount; ++i)
        if (!platform::SpecialFolderPath(i).empty())
            target_->addItem(ShownText("[" + platform::SpecialFolders()[i].Name + "]"));
    target_->setEditText(ShownText(a.Target));
    location_ = new QLabel(this);
    location_->setObjectName("TargetLocation");
    location_->setFrameShape(QFrame::Panel);
    location_->setFrameShadow(QFrame::Sunken);
    grid->addWidget(new QLabel("Target Folder:", this), 2, 0, 1, 3);
    grid->addWidget(target_, 3, 0, 1, 3);
    grid->addWidget(location_, 4, 0, 1, 3);
    overwrite_ = new QCheckBox("Overwrite if exists", this);
    overwrite_->setChecked(a.Overwrite);
    grid->addWidget(overwrite_, 5, 0, 1, 3);
    layout->addLayout(grid);

    auto* prompt = new QGroupBox("Prompt", this);
    auto* promptGrid = new QGridLayout(prompt);
    showMessage_ = new QCheckBox("Show message", prompt);
    showMessage_->setChecked(a.ShowMessage);
    caption_ = new QLineEdit(ShownText(a.MessageCaption), prompt);
    message_ = new QLineEdit(ShownText(a.MessageText), prompt);
    messageType_ = new QComboBox(prompt);
    messageType_->addItems({"OK", "YES/NO"});
    const int typeRow = a.MessageType.size() == 1 ? a.MessageType[0] - '0' : -1;
    if (typeRow >= 0 && typeRow < messageType_->count())
        messageType_->setCurrentIndex(typeRow);
    else {
        messageType_->setCurrentIndex(-1);
        unlistedMessageType_ = a.MessageType;
    }
    promptGrid->addWidget(showMessage_, 0, 0, 1, 2);
    promptGrid->addWidget(new QLabel("Caption:", prompt), 1, 0);
    promptGrid->addWidget(caption_, 1, 1);
    promptGrid->addWidget(new QLabel("Message:", prompt), 2, 0);
    promptGrid->addWidget(message_, 2, 1);
    promptGrid->addWidget(new QLabel("Message Type:", prompt), 3, 0);
    promptGrid->addWidget(messageType_, 3, 1);
    layout->addWidget(prompt);

    auto* open = new QGroupBox("Open/Run file in the target folder after copying", this);
    auto* openGrid = new QGridLayout(open);
    openFile_ = new QLineEdit(ShownText(a.OpenFile), open);
    openParameters_ = new QLineEdit(ShownText(a.OpenParameters), open);
    openFolder_ = new QLineEdit(ShownText(a.OpenFolder), open);
    openGrid->addWidget(new QLabel("File Name:", open), 0, 0);
    openGrid->addWidget(new QLabel(kTargetPrefix, open), 0, 1);
    openGrid->addWidget(openFile_, 0, 2);
    openGrid->addWidget(new QLabel("Parameter(s):", open), 1, 0);
    openGrid->addWidget(openParameters_, 1, 2);
    openGrid->addWidget(new QLabel("Start Directory:", open), 2, 0);
    openGrid->addWidget(new QLabel(kTargetPrefix, open), 2, 1);
    openGrid->addWidget(openFolder_, 2, 2);
    layout->addWidget(open);
    AddOkCancel(this, layout);

    for (auto* edit : {source_, caption_, message_, openFile_, openParameters_, openFolder_})
        modified_->Watch(edit);
    for (auto* box : {overwrite_, showMessage_})
        modified_->Watch(box);
    modified_->Watch(target_);
    modified_->Watch(messageType_);
    connect(target_, &QComboBox::currentTextChanged, this,
            &TCopyFileActionForm::ShowTargetLocation);
    connect(messageType_, &QComboBox::currentIndexChanged, this,
            [this] { unlistedMessageType_.clear(); });
    connect(selectFile, &QPushButton::clicked, this, [this] { ChooseSource(false); });
    connect(selectFolder, &QPushButton::clicked, this, [this] { ChooseSource(true); });
    ShowTargetLocation();
}

void TCopyFileActionForm::ShowTargetLocation() {
    const auto target = StoredText(target_->currentText());
    const auto resolved = platform::ResolveSpecialFolder(target);
    const auto shown = ShownText(resolved.empty() ? target : resolved);
    location_->setText(shown);
    location_->setToolTip(shown);
}

void TCopyFileActionForm::ChooseSource(bool folder) {
    auto path = Trimmed(StoredText(source_->text()));
    const bool chosen =
        folder ? context_.ChooseFolder(path) : context_.ChooseFile(path, TFilePurpose::AnyFile);
    if (!chosen) return;
    source_->setText(ShownText(path));
    modified_->Set();
}

std::string TCopyFileActionForm::Text() const {
    TCopyThenOpenArgument a;
    a.Source = StoredText(source_->text());
    a.Target = StoredText(target_->currentText());
    a.Overwrite = overwrite_->isChecked();
    a.ShowMessage = showMessage_->isChecked();
    a.MessageCaption = StoredText(caption_->text());
    a.MessageText = StoredText(message_->text());
    a.MessageType = messageType_->currentIndex() >= 0 && unlistedMessageType_.empty()
                        ? std::to_string(messageType_->currentIndex())
                        : unlistedMessageType_;
    a.OpenFile = StoredText(openFile_->text());
    a.OpenParameters = StoredText(openParameters_->text());
    a.OpenFolder = StoredText(openFolder_->text());
    return ComposeCopyThenOpen(a);
}

bool EditCopyFileAction(QWidget* owner, const TActionContext& context, std::string& text) {
    TCopyFileActionForm form(owner, context, text);
    return AcceptModifiedText(form, text);
}

} // namespace brelvane
