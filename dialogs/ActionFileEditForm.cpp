#include "dialogs/ActionFileEditForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelvane {

TActionFileEditForm::TActionFileEditForm(QWidget* owner, const TActionContext& context,
                                         const TFileListEntry& entry)
    : QDialog(owner), context_(context), modified_(new TModifiedFlag(this)) {
    setObjectName("ActionFileEditForm");
    setWindowTitle("Open/Run File Editor");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    file_ = new QLineEdit(ShownText(Trimmed(entry.File)), this);
    parameters_ = new QLineEdit(ShownText(Trimmed(entry.Parameters)), this);
    folder_ = new QLineEdit(ShownText(Trimmed(entry.Folder)), this);
    file_->setMinimumWidth(300);
    auto* select = new QPushButton("&Select...", this);
    select->setObjectName("SelectButton");
    grid->addWidget(new QLabel("File Name:", this), 0, 0);
    grid->addWidget(file_, 0, 1);
    grid->addWidget(select, 0, 2);
    grid->addWidget(new QLabel("Parameter(s):", this), 1, 0);
    grid->addWidget(parameters_, 1, 1, 1, 2);
    grid->addWidget(new QLabel("Start Directory:", this), 2, 0);
    grid->addWidget(folder_, 2, 1, 1, 2);
    layout->addLayout(grid);
    wait_ = new QCheckBox("Wait for progress to complete before continue next one", this);
    wait_->setChecked(entry.Wait);
    layout->addWidget(wait_);
    AddOkCancel(this, layout);
    for (auto* edit : {file_, parameters_, folder_})
        modified_->Watch(edit);
    modified_->Watch(wait_);
    connect(select, &QPushButton::clicked, this, &TActionFileEditForm::Select);
}

TFileListEntry TActionFileEditForm::Entry() const {
    return {Trimmed(StoredText(file_->text())), Trimmed(StoredText(parameters_->text())),
            Trimmed(StoredText(folder_->text())), wait_->isChecked()};
}

void TActionFileEditForm::Select() {
    auto file = Trimmed(StoredText(file_->text()));
    if (file == "\\") file.clear();
    if (!context_.ChooseFile(file, TFilePurpose::AnyFile)) return;
    file_->setText(ShownText(file));
    parameters_->clear();
    folder_->setText(ShownText(FolderOfPath(file)));
    modified_->Set();
}

void TActionFileEditForm::done(int result) {
    if (result == Accepted && IsRootAutorun(StoredText(file_->text()))) {
        RefuseAutorun(this);
        return;
    }
    QDialog::done(result);
}

bool EditFileEntry(QWidget* owner, const TActionContext& context, TFileListEntry& entry) {
    TActionFileEditForm form(owner, context, entry);
    form.Modified().Clear();
    if (form.exec() != QDialog::Accepted || !form.Modified().IsSet()) return false;
    entry = form.Entry();
    return true;
}

} // namespace brelvane
