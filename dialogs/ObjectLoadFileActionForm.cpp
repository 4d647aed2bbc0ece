#include "dialogs/ObjectLoadFileActionForm.h"

#include "objects/records/ActionArguments.h"
#include "objects/records/ObjectKinds.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelvane {

namespace {
// The kinds that can load a file.
bool LoadsFiles(std::uint8_t kind) {
    switch (kind) {
    case okImage:
    case okText:
    case okScrollText:
    case okTextBox:
    case okRichText:
    case okAVI:
    case okExplorer:
    case okMediaPlayer:
    case okSlideShow:
    case okSimpleText:
    case okFlash:
        return true;
    default:
        return false;
    }
}
} // namespace

TObjectLoadFileActionForm::TObjectLoadFileActionForm(QWidget* owner, const TActionContext& context,
                                                     const std::string& text)
    : QDialog(owner), context_(context), modified_(new TModifiedFlag(this)) {
    setObjectName("ObjectLoadFileActionForm");
    setWindowTitle("Load file with object");
    const auto argument = ParseLoadFile(text);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    object_ = new QComboBox(this);
    object_->setEditable(true);
    object_->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& object : context.Objects)
        if (LoadsFiles(object.Kind)) object_->addItem(ShownText(object.Name));
    object_->setEditText(ShownText(argument.ObjectName));
    file_ = new QLineEdit(ShownText(argument.FileName), this);
    file_->setMinimumWidth(280);
    auto* selectFile = new QPushButton("&Select File...", this);
    auto* selectFolder = new QPushButton("Select &Folder...", this);
    grid->addWidget(new QLabel("Object Name:", this), 0, 0);
    grid->addWidget(object_, 0, 1, 1, 2);
    grid->addWidget(new QLabel("File Name:", this), 1, 0);
    grid->addWidget(file_, 1, 1, 1, 2);
    grid->addWidget(selectFile, 2, 1);
    grid->addWidget(selectFolder, 2, 2);
    layout->addLayout(grid);
    AddOkCancel(this, layout);
    modified_->Watch(object_);
    modified_->Watch(file_);
    connect(selectFile, &QPushButton::clicked, this, [this] { Choose(false); });
    connect(selectFolder, &QPushButton::clicked, this, [this] { Choose(true); });
}

std::string TObjectLoadFileActionForm::Text() const {
    return ComposeLoadFile(
        {Trimmed(StoredText(object_->currentText())), Trimmed(StoredText(file_->text()))});
}

void TObjectLoadFileActionForm::Choose(bool folder) {
    auto path = Trimmed(StoredText(file_->text()));
    const bool chosen =
        folder ? context_.ChooseFolder(path) : context_.ChooseFile(path, TFilePurpose::AnyFile);
    if (!chosen) return;
    file_->setText(ShownText(path));
    modified_->Set();
}

bool EditLoadFileAction(QWidget* owner, const TActionContext& context, std::string& text) {
    TObjectLoadFileActionForm form(owner, context, text);
    return AcceptModifiedText(form, text);
}

} // namespace brelvane
