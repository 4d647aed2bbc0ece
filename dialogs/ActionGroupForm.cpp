#include "dialogs/ActionGroupForm.h"

#include "dialogs/ActionEditorForm.h"
#include "dialogs/ActionIcons.h"
#include "dialogs/ActionTypes.h"
#include "dialogs/DialogSupport.h"
#include "objects/records/ActionArguments.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace brelvane {

TActionGroupForm::TActionGroupForm(QWidget* owner, const TActionContext& context,
                                   std::vector<TCommand> commands)
    : TRowListForm(owner, {"Action", "Settings"}, {"&Add", "&Edit", "&Delete", "C&lear"}),
      context_(context), commands_(std::move(commands)) {
    setObjectName("ActionGroupForm");
    setWindowTitle("Action Group");
    List()->header()->setSectionsClickable(false);
    List()->setColumnWidth(0, 170);
    List()->setColumnWidth(1, 170);
    List()->setMinimumWidth(350);
    for (std::size_t row = 0; row < commands_.size(); ++row) {
        new QTreeWidgetItem(List());
        ShowRow(static_cast<int>(row));
    }
    UpdateButtons();
}

void TActionGroupForm::ShowRow(int row) {
    const auto& command = commands_[row];
    auto* item = List()->topLevelItem(row);
    item->setIcon(0, ActionIcon(command.ActionType));
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
    new QTreeWidgetItem(List());
    ShowRow(static_cast<int>(commands_.size()) - 1);
    UpdateButtons();
}

void TActionGroupForm::EditSelected() {
    auto* item = List()->currentItem();
    if (!item || !item->isSelected()) return;
    const int row = List()->indexOfTopLevelItem(item);
    if (EditAction(this, context_, commands_[row])) ShowRow(row);
}

void TActionGroupForm::DeleteSelected() {
    auto* item = List()->currentItem();
    if (!item || !item->isSelected()) return;
    commands_.erase(commands_.begin() + List()->indexOfTopLevelItem(item));
    delete item;
    UpdateButtons();
}

void TActionGroupForm::ClearRows() {
    commands_.clear();
    List()->clear();
    UpdateButtons();
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
