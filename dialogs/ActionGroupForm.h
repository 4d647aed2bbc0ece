#pragma once

#include "dialogs/ActionContext.h"
#include "objects/records/Command.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace brelvane {

// "Action Group": the commands of an action group, one row each.
class TActionGroupForm : public QDialog {
    Q_OBJECT
public:
    TActionGroupForm(QWidget* owner, const TActionContext& context, std::vector<TCommand> commands);

    // The rows rebuilt in list order.
    std::string Text() const;

    QTreeWidget* List() const { return list_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* EditButton() const { return edit_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* ClearButton() const { return clear_; }

private:
    void ShowRow(int row);
    void Add();
    void EditSelected();
    void DeleteSelected();
    void ClearRows();
    void UpdateButtons();

    const TActionContext& context_;
    std::vector<TCommand> commands_;
    QTreeWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
};

// True (and `text` replaced) when accepted and the text differs. A type or
// show command that is not decimal text is reported once and the dialog is
// not shown.
bool EditActionGroup(QWidget* owner, const TActionContext& context, std::string& text);

} // namespace brelvane
