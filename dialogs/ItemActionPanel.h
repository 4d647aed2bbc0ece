#pragma once

#include "dialogs/ActionContext.h"
#include "objects/records/Command.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brelvane {

class TActionFileField;

// The action of one item in the item editors: its type among the action
// editor's names and "Action Group", the file field with its "..." button,
// and the close-after flag where the type allows it.
class TItemActionPanel : public QGroupBox {
    Q_OBJECT
public:
    TItemActionPanel(const QString& title, QWidget* parent, const TActionContext& context);

    // Shows `command` (null: nothing, every control disabled); edits go to it
    // from now on. Showing writes nothing back.
    void Show(TCommand* command);

    // The editor's own fields of the item, above the action controls.
    QGridLayout* Fields() const { return fields_; }
    // Adds the "Caption:" row (object name "CaptionEdit") at `row` of the fields.
    QLineEdit* AddCaptionRow(int row);
    QComboBox* ActionList() const { return actions_; }
    QLabel* FileLabel() const;
    QComboBox* FileBox() const;
    QPushButton* BrowseButton() const;
    QCheckBox* CloseAfter() const { return closeAfter_; }

signals:
    // The shown command was changed by the user.
    void Edited();

private:
    void ChooseType(int row);
    void CloseAfterToggled(bool checked);
    void Refresh();

    TCommand* command_ = nullptr;
    QGridLayout* fields_ = nullptr;
    QComboBox* actions_ = nullptr;
    TActionFileField* file_ = nullptr;
    QCheckBox* closeAfter_ = nullptr;
};

// The types for which "Close After Action" may be ticked.
bool MayCloseAfterAction(int type);

} // namespace brelvane
