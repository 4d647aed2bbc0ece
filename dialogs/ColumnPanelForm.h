#pragma once

#include "objects/records/ListViewPayload.h"
#include "project/PageRecord.h"

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace brelvane {

// One row of the column and panel editors: what they edit of a list view's
// report column or a status bar panel. `Origin` is the record the row came
// from (-1 for an added row), whose other fields the write-back keeps.
struct TColumnRow {
    std::string Caption;
    std::uint8_t Alignment = caLeft;
    std::int32_t Width = 100;
    int Origin = -1;
};

// "ListView Column Editor" and "Status Bar Panels Editor": rows of caption,
// alignment and width.
class TColumnPanelForm : public QDialog {
    Q_OBJECT
public:
    enum class TMode { Columns, Panels };
    TColumnPanelForm(QWidget* owner, TMode mode, std::vector<TColumnRow> rows);

    const std::vector<TColumnRow>& Rows() const { return rows_; }
    bool Modified() const { return modified_; }

    QTreeWidget* List() const { return list_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QComboBox* AlignmentBox() const { return alignment_; }
    QSpinBox* WidthSpin() const { return width_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* ClearButton() const { return clear_; }

private:
    void ShowRow(int row);
    void Select(int row);
    void Add();
    void DeleteSelected();
    void ClearRows();
    void EditSelected();
    void UpdateControls();

    TMode mode_;
    std::vector<TColumnRow> rows_;
    bool modified_ = false;
    bool loading_ = false;
    QTreeWidget* list_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QComboBox* alignment_ = nullptr;
    QSpinBox* width_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
};

// The alignment's name as the editors show it.
QString AlignmentName(std::uint8_t alignment);

// Edit a list view's columns and a status bar's panels; true when accepted
// after a change (the records are then rebuilt from the rows). A record that
// cannot be copied is reported and nothing is shown or changed.
bool EditListColumns(QWidget* owner, std::vector<TListColumn>& columns);
bool EditStatusPanels(QWidget* owner, std::vector<TStatusPanel>& panels);

} // namespace brelvane
