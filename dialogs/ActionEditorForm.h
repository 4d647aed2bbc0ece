#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/ActionFileField.h"
#include "objects/records/Command.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace brelvane {

// "Action Editor": one command's type, file field, show command, parameters
// and folder, edited on a copy.
class TActionEditorForm : public QDialog {
    Q_OBJECT
public:
    TActionEditorForm(QWidget* owner, const TActionContext& context, const TCommand& command);

    // The edited action fields over `command` (the close-after flag and all
    // other fields stay as they are).
    void WriteTo(TCommand& command) const;
    const TCommand& Working() const { return working_; }

    QComboBox* ActionList() const { return actions_; }
    QLabel* FileLabel() const;
    QComboBox* FileBox() const;
    QPushButton* BrowseButton() const;

private:
    void ChooseType(int row);
    void Refresh();

    TCommand working_;
    QComboBox* actions_ = nullptr;
    TActionFileField* file_ = nullptr;
};

// Edits one action; true when accepted and the type, file field, show
// command, parameters or folder changed (they are then written back).
bool EditAction(QWidget* owner, const TActionContext& context, TCommand& command);

} // namespace brelvane
