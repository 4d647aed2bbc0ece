#include "dialogs/ActionGroupForm.h"

#include "dialogs/ActionEditorForm.h"
#include "dialogs/ActionTypes.h"
#include "dialogs/DialogSupport.h"
#include "objects/records/ActionArguments.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brelvane {

TActionGroupForm::TActionGroupForm(QWidget* owner, const TActionContext& context,
                                   std::vector<TCommand> commands)
    : QDialog(owner), context_(context), commands_(std::move(commands)) {
    setObjectName("ActionGroupForm");
    setWindowTitle("Action Group");
    auto* layout = new QHBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName("GroupList");
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHeaderLabels({"Action", "Settings"});
    list_->header()->setSectionsClickable(false);
    list_->setColumnWidth(0, 170);
    list_->setColumnWidth(1, 170);
    list_->setMinimumWidth(350);
    layout->addWidget(list_);
    auto* buttons = new QVBoxLayout;
    add_ = new QPushButton("&Add", this);
    edit_ = new QPushButton("&Edit", this);
    delete_ = new QPushButton("&Delete", this);
    clear_ = new QPushButton("C&lear", this);
    for (auto* button : {add_, edit_, delete_, clear_})
        buttons->addWidget(button);
    buttons->addStretch();
    AddOkCancel(this, buttons);
    layout->addLayout(buttons);
    for (std::size_t row = 0; row < commands_.size(); ++row) {
        new QTreeWidgetItem(list_);
        ShowRow(static_cast<int>(row));
    }
    connect(add_, &QPushButton::clicked, this, &TActionGroupForm::Add);
    connect(edit_, &QPushButton::clicked, this, &TActionGroupForm::EditSelected);
    connect(delete_, &QPushButton::clicked, this, &TActionGroupForm::DeleteSelected);
    connect(clear_, &QPushButton::clicked, this, &TActionGroupForm::ClearRows);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &TActionGroupForm::EditSelected);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TActionGroupForm::UpdateButtons);
    UpdateButtons();
}

void TActionGroupForm::ShowRow(int row) {
    const auto& command = commands_[row];
    auto* item = list_->topLevelItem(row);
    item->setText(0, QString::fromLatin1(ActionTypeName(command.ActionType)));
    item->setText(1, ShownText(ShownFileField(command.ActionType, command.ActionFile)));
}

std::string TActionGroupForm::Text() const {
    return ComposeActionGroup(commands_);
}

void TActionGroupForm::Add() {
    TCommand command;
    if (!EditAction(this, context_, command)) return;
    commands_.push_back(command);
    new QTreeWidgetItem(list_);
    ShowRow(static_cast<int>(commands_.size()) - 1);
    UpdateButtons();
}

void TActionGroupForm::EditSelected() {
    auto* item = list_->currentItem();
    if (!item || !item->isSelected()) return;
    const int row = list_->indexOfTopLevelItem(item);
    if (EditAction(this, context_, commands_[row])) ShowRow(row);
}

void TActionGroupForm::DeleteSelected() {
    auto* item = list_->currentItem();
    if (!item || !item->isSelected()) return;
    commands_.erase(commands_.begin() + list_->indexOfTopLevelItem(item));
    delete item;
    UpdateButtons();
}

void TActionGroupForm::ClearRows() {
    commands_.clear();
    list_->clear();
    UpdateButtons();
}

void TActionGroupForm::UpdateButtons() {
    const bool selected = !list_->selectedItems().isEmpty();
    edit_->setEnabled(selected);
    delete_->setEnabled(selected);
    clear_->setEnabled(!commands_.empty());
}

bool EditActionGroup(QWidget* owner, const TActionContext& context, std::string& text) {
    auto group = ParseActionGroup(text);
    if (group.BadNumber) {
        ReportBadNumber(owner, *group.BadNumber);
        return false;
    }
    TActionGroupForm form(owner, context, std::move(group.Commands));
    return AcceptChangedText(form, text);
}

} // namespace brelvane
