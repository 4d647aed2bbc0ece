#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTreeWidget;

namespace brelvane {

// A dialog that edits a list of rows: a read-only report list with row
// selection beside the buttons add, edit, delete and clear, then OK and
// Cancel. Edit and delete follow the selection, clear the rows.
class TRowListForm : public QDialog {
    Q_OBJECT
public:
    struct TCaptions {
        QString Add, Edit, Delete, Clear;
    };
    TRowListForm(QWidget* owner, const QStringList& columns, const TCaptions& captions);

    QTreeWidget* List() const { return list_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* EditButton() const { return edit_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* ClearButton() const { return clear_; }

protected:
    virtual void Add() = 0;
    virtual void EditSelected() = 0;
    virtual void DeleteSelected() = 0;
    virtual void ClearRows() = 0;
    // Call after the rows changed.
    void UpdateButtons();

private:
    QTreeWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
};

} // namespace brelvane
