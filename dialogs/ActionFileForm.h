#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/DialogSupport.h"

#include <QDialog>
#include <array>
#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace brelvane {

// One row of the open/run file list: file, parameters, start directory and
// wait mark, as read.
using TFileListRow = std::array<std::string, 4>;
// Rows of a file list as the dialog reads it: an entry that lacks one of its
// first three separators is the last one and keeps what was read so far.
std::vector<TFileListRow> ReadFileListRows(const std::string& text);

// "Open/Run Files": the entries of an open/run file list.
class TActionFileForm : public QDialog {
    Q_OBJECT
public:
    TActionFileForm(QWidget* owner, const TActionContext& context, const std::string& text);

    std::string Text() const;
    TModifiedFlag& Modified() { return *modified_; }

    QTreeWidget* List() const { return list_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* EditButton() const { return edit_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* ClearButton() const { return clear_; }

private:
    void AddRow(const TFileListRow& row);
    void Add();
    void EditSelected();
    void DeleteSelected();
    void ClearRows();
    void UpdateButtons();

    const TActionContext& context_;
    TModifiedFlag* modified_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
};

// True (and `text` replaced) when accepted and modified.
bool EditFileList(QWidget* owner, const TActionContext& context, std::string& text);

} // namespace brelvane
