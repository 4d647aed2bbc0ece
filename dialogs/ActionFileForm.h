#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/DialogSupport.h"
#include "dialogs/RowListForm.h"

#include <array>
#include <string>
#include <vector>

namespace brelvane {

// One row of the open/run file list: file, parameters, start directory and
// wait mark, as read.
using TFileListRow = std::array<std::string, 4>;
// Rows of a file list as the dialog reads it: an entry that lacks one of its
// first three separators is the last one and keeps what was read so far.
std::vector<TFileListRow> ReadFileListRows(const std::string& text);

// "Open/Run Files": the entries of an open/run file list.
class TActionFileForm : public TRowListForm {
    Q_OBJECT
public:
    TActionFileForm(QWidget* owner, const TActionContext& context, const std::string& text);

    std::string Text() const;
    TModifiedFlag& Modified() { return *modified_; }

private:
    void AddRow(const TFileListRow& row);
    void Add() override;
    void EditSelected() override;
    void DeleteSelected() override;
    void ClearRows() override;

    const TActionContext& context_;
    TModifiedFlag* modified_ = nullptr;
};

// True (and `text` replaced) when accepted and modified.
bool EditFileList(QWidget* owner, const TActionContext& context, std::string& text);

} // namespace brelvane
