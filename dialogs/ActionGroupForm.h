#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/RowListForm.h"
#include "objects/records/Command.h"

#include <vector>

namespace brelvane {

// "Action Group": the commands of an action group, one row each.
class TActionGroupForm : public TRowListForm {
    Q_OBJECT
public:
    TActionGroupForm(QWidget* owner, const TActionContext& context, std::vector<TCommand> commands);

    // The rows rebuilt in list order.
    std::string Text() const;

private:
    void ShowRow(int row);
    void Add() override;
    void EditSelected() override;
    void DeleteSelected() override;
    void ClearRows() override;

    const TActionContext& context_;
    std::vector<TCommand> commands_;
};

// True (and `text` replaced) when accepted and the text differs. A type or
// show command that is not decimal text is reported once and the dialog is
// not shown.
bool EditActionGroup(QWidget* owner, const TActionContext& context, std::string& text);

} // namespace brelvane
