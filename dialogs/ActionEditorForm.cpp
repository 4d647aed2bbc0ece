#include "dialogs/ActionEditorForm.h"

#include "dialogs/ActionTypes.h"
#include "dialogs/DialogSupport.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace brelvane {

namespace {
bool SameAction(const TCommand& a, const TCommand& b) {
    return a.ActionType == b.ActionType && a.ActionFile == b.ActionFile &&
           a.ShowCommand == b.ShowCommand && a.ActionParams == b.ActionParams &&
           a.ActionDir == b.ActionDir;
}
} // namespace

TActionEditorForm::TActionEditorForm(QWidget* owner, const TActionContext& context,
                                     const TCommand& command)
    : QDialog(owner), working_(command) {
    setObjectName("ActionEditorForm");
    setWindowTitle("Action Editor");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const auto rows = AddActionRows(this, grid, context);
    actions_ = rows.Actions;
    file_ = rows.File;
    layout->addLayout(grid);
    layout->addStretch();
    AddOkCancel(this, layout);

    connect(actions_, &QComboBox::currentIndexChanged, this, &TActionEditorForm::ChooseType);
    file_->Show(&working_);
    Refresh();
}

QLabel* TActionEditorForm::FileLabel() const {
    return file_->Label();
}

QComboBox* TActionEditorForm::FileBox() const {
    return file_->Box();
}

QPushButton* TActionEditorForm::BrowseButton() const {
    return file_->Button();
}

void TActionEditorForm::WriteTo(TCommand& command) const {
    command.ActionType = working_.ActionType;
    command.ActionFile = working_.ActionFile;
    command.ShowCommand = working_.ShowCommand;
    command.ActionParams = working_.ActionParams;
    command.ActionDir = working_.ActionDir;
}

void TActionEditorForm::ChooseType(int row) {
    if (row < 0) return;
    working_.ActionType = static_cast<std::uint8_t>(actions_->itemData(row).toInt());
    working_.ActionFile.clear();
    working_.ActionParams.clear();
    working_.ActionDir.clear();
    Refresh();
}

void TActionEditorForm::Refresh() {
    const QSignalBlocker blockActions(actions_);
    actions_->setCurrentIndex(
        actions_->findText(QString::fromLatin1(ActionTypeName(working_.ActionType))));
    file_->Refresh();
}

bool EditAction(QWidget* owner, const TActionContext& context, TCommand& command) {
    TActionEditorForm form(owner, context, command);
    if (form.exec() != QDialog::Accepted || SameAction(form.Working(), command)) return false;
    form.WriteTo(command);
    return true;
}

} // namespace brelvane
