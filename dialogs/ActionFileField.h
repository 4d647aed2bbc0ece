#pragma once

#include "dialogs/ActionContext.h"
#include "objects/records/Command.h"

#include <QObject>
#include <QStringList>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace brelvane {

// The file field of an action as the action dialogs show it: a label whose
// caption follows the type, a combo box (typed text, page or object names, or
// "[Settings]"/"[None]") and a "..." button opening the type's picker or
// dialog. It edits the file field of the command it is shown.
class TActionFileField : public QObject {
    Q_OBJECT
public:
    TActionFileField(QWidget* parent, const TActionContext& context);

    // Shows `command`'s type and file field; edits go to it from now on.
    // Null shows nothing and disables the field.
    void Show(TCommand* command);
    void Refresh();

    QLabel* Label() const { return label_; }
    QComboBox* Box() const { return box_; }
    QPushButton* Button() const { return button_; }

signals:
    // The file field was typed or chosen.
    void Edited();

private:
    void TextEdited(const QString& text);
    void Browse();
    void ShowEditable(const QStringList& names, bool browse);
    QStringList PageNames(bool withMainPage) const;
    QStringList PlayableObjectNames() const;

    const TActionContext& context_;
    TCommand* command_ = nullptr;
    bool refreshing_ = false;
    QLabel* label_ = nullptr;
    QComboBox* box_ = nullptr;
    QPushButton* button_ = nullptr;
};

// The first rows of an action dialog, put into rows 0 and 1 of `grid`:
// "ClickAction:" with the offered action types, then the file field.
struct TActionRows {
    QComboBox* Actions;
    TActionFileField* File;
};
TActionRows AddActionRows(QWidget* owner, QGridLayout* grid, const TActionContext& context);

} // namespace brelvane
