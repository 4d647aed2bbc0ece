#include "dialogs/ActionFileForm.h"

#include "dialogs/ActionFileEditForm.h"
#include "objects/records/ActionArguments.h"

#include <QTreeWidget>

namespace brelvane {

std::vector<TFileListRow> ReadFileListRows(const std::string& text) {
    std::vector<TFileListRow> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find(kFileListEntryEnd, start);
        if (end == std::string::npos) end = text.size();
        const auto entry = text.substr(start, end - start);
        start = end + 1;
        TFileListRow row;
        std::size_t at = 0;
        bool complete = true;
        for (std::size_t field = 0; field < row.size(); ++field) {
            const auto separator = entry.find(kPieceEnd, at);
            if (separator == std::string::npos) {
                row[field] = entry.substr(at);
                complete = field == row.size() - 1;
                break;
            }
            row[field] = entry.substr(at, separator - at);
            at = separator + 1;
        }
        rows.push_back(row);
        if (!complete) break;
    }
    return rows;
}

TActionFileForm::TActionFileForm(QWidget* owner, const TActionContext& context,
                                 const std::string& text)
    : TRowListForm(owner, {"File Name", "Parameter(s)", "Start Directory", "Wait"},
                   {"&Add...", "&Edit...", "&Delete", "Clear"}),
      context_(context), modified_(new TModifiedFlag(this)) {
    setObjectName("ActionFileForm");
    setWindowTitle("Open/Run Files");
    List()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List()->setMinimumWidth(480);
    for (const auto& row : ReadFileListRows(text))
        AddRow(row);
    UpdateButtons();
}

void TActionFileForm::AddRow(const TFileListRow& row) {
    auto* item = new QTreeWidgetItem(List());
    for (int column = 0; column < 4; ++column)
        item->setText(column, ShownText(row[column]));
}

std::string TActionFileForm::Text() const {
    std::vector<TFileListEntry> entries;
    for (int i = 0; i < List()->topLevelItemCount(); ++i) {
        const auto* item = List()->topLevelItem(i);
        entries.push_back({StoredText(item->text(0)), StoredText(item->text(1)),
                           StoredText(item->text(2)), item->text(3) == "Y"});
    }
    return ComposeFileList(entries);
}

void TActionFileForm::Add() {
    std::string file;
    if (!context_.ChooseFile(file, TFilePurpose::AnyFile)) return;
    if (IsRootAutorun(file)) {
        RefuseAutorun(this);
        return;
    }
    AddRow({file, "", FolderOfPath(file), " "});
    modified_->Set();
    UpdateButtons();
}

void TActionFileForm::EditSelected() {
    auto* item = List()->currentItem();
    if (!item || !item->isSelected()) return;
    TFileListEntry entry{StoredText(item->text(0)), StoredText(item->text(1)),
                         StoredText(item->text(2)), item->text(3) == "Y"};
    if (!EditFileEntry(this, context_, entry)) return;
    item->setText(0, ShownText(entry.File));
    item->setText(1, ShownText(entry.Parameters));
    item->setText(2, ShownText(entry.Folder));
    item->setText(3, ShownText(YesMark(entry.Wait)));
    modified_->Set();
}

void TActionFileForm::DeleteSelected() {
    const auto selected = List()->selectedItems();
    if (selected.isEmpty()) return;
    qDeleteAll(selected);
    modified_->Set();
    UpdateButtons();
}

void TActionFileForm::ClearRows() {
    if (List()->topLevelItemCount() > 0) modified_->Set();
    List()->clear();
    UpdateButtons();
}

bool EditFileList(QWidget* owner, const TActionContext& context, std::string& text) {
    TActionFileForm form(owner, context, text);
    return AcceptModifiedText(form, text);
}

} // namespace brelvane
