#pragma once

#include "dialogs/ActionContext.h"
#include "objects/records/ItemListPayloads.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brelvane {

class TItemActionPanel;
class TItemListDelegate;

// "List Item Editor": the items of a list box or drop-down list in a
// preview drawn in the object's look, each with its caption and action.
class TListItemsForm : public QDialog {
    Q_OBJECT
public:
    // `list` holds copies of the items and the object's item metrics.
    TListItemsForm(QWidget* owner, const TActionContext& context, TItemList list, const TFont& font,
                   std::int32_t color);

    const std::vector<TListBoxItem>& Items() const { return list_.Items; }
    bool Modified() const { return modified_; }

    QListWidget* Preview() const { return preview_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QLabel* Icon() const { return icon_; }
    QPushButton* SelectIconButton() const { return selectIcon_; }
    TItemActionPanel* ActionPanel() const { return action_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* ClearButton() const { return clear_; }
    QPushButton* UpButton() const { return up_; }
    QPushButton* DownButton() const { return down_; }

private:
    int Selected() const;
    void Select(int row);
    void Redraw(int selected);
    void Add();
    void DeleteSelected();
    void ClearItems();
    void Move(int by);
    void CaptionEdited(const QString& text);
    // The image editor on the selected item's picture.
    void EditIcon();
    void UpdateControls();

    TItemList list_;
    QColor background_;
    QColor textColor_;
    bool modified_ = false;
    QListWidget* preview_ = nullptr;
    TItemListDelegate* delegate_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QLabel* icon_ = nullptr;
    QPushButton* selectIcon_ = nullptr;
    TItemActionPanel* action_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
};

// Edits the items of a list box or drop-down list; true when accepted after
// a change, the items then being rebuilt from the edited copies. An item
// that cannot be copied is reported and nothing is shown or changed.
bool EditListItems(QWidget* owner, const TActionContext& context, TItemList& list,
                   const TFont& font, std::int32_t color);

} // namespace brelvane
