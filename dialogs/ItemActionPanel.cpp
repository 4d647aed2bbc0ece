#include "dialogs/ItemActionPanel.h"

#include "dialogs/ActionFileField.h"
#include "dialogs/ActionTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace brelvane {

bool MayCloseAfterAction(int type) {
    switch (type) {
    case 1:
    case 2:
    case 3:
    case 5:
    case 7:
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
        return true;
    default:
        return false;
    }
}

TItemActionPanel::TItemActionPanel(const QString& title, QWidget* parent,
                                   const TActionContext& context)
    : QGroupBox(title, parent) {
    setObjectName("ItemActionPanel");
    auto* layout = new QVBoxLayout(this);
    fields_ = new QGridLayout;
    fields_->setColumnStretch(1, 1);
    layout->addLayout(fields_);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const auto rows = AddActionRows(this, grid, context);
    actions_ = rows.Actions;
    file_ = rows.File;
    actions_->addItem(QString::fromLatin1(ActionTypeName(kActionGroupType)), kActionGroupType);
    closeAfter_ = new QCheckBox("Close After Action", this);
    closeAfter_->setObjectName("CloseAfterAction");
    grid->addWidget(closeAfter_, 2, 1, 1, 2);

    connect(actions_, &QComboBox::currentIndexChanged, this, &TItemActionPanel::ChooseType);
    connect(closeAfter_, &QCheckBox::toggled, this, &TItemActionPanel::CloseAfterToggled);
    connect(file_, &TActionFileField::Edited, this, &TItemActionPanel::Edited);
    Show(nullptr);
}

QLineEdit* TItemActionPanel::AddCaptionRow(int row) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName("CaptionEdit");
    fields_->addWidget(new QLabel("Caption:", this), row, 0);
    fields_->addWidget(edit, row, 1, 1, 2);
    return edit;
}

QLabel* TItemActionPanel::FileLabel() const {
    return file_->Label();
}

QComboBox* TItemActionPanel::FileBox() const {
    return file_->Box();
}

QPushButton* TItemActionPanel::BrowseButton() const {
    return file_->Button();
}

void TItemActionPanel::Show(TCommand* command) {
    command_ = command;
    file_->Show(command);
    Refresh();
}

void TItemActionPanel::ChooseType(int row) {
    if (!command_ || row < 0) return;
    command_->ActionType = static_cast<std::uint8_t>(actions_->itemData(row).toInt());
    command_->ActionFile.clear();
    command_->ActionParams.clear();
    command_->ActionDir.clear();
    command_->CloseAfterAction = 0;
    Refresh();
    emit Edited();
}

void TItemActionPanel::CloseAfterToggled(bool checked) {
    if (!command_) return;
    command_->CloseAfterAction = checked ? 1 : 0;
    emit Edited();
}

void TItemActionPanel::Refresh() {
    const QSignalBlocker blockActions(actions_);
    const QSignalBlocker blockClose(closeAfter_);
    const int type = command_ ? command_->ActionType : 0;
    actions_->setEnabled(command_ != nullptr);
    actions_->setCurrentIndex(command_ ? actions_->findData(type) : -1);
    const bool mayClose = command_ && MayCloseAfterAction(type);
    closeAfter_->setEnabled(mayClose);
    closeAfter_->setChecked(mayClose && command_->CloseAfterAction != 0);
    file_->Refresh();
}

} // namespace brelvane
