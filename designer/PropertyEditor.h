#pragma once

#include "designer/PropertyRow.h"

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace brelvane {

class TPageHost;
class TProjectPickers;
class TPropertyDelegate;
class TRichEditorForm;
class TSurfaceOwner;
struct TAutoObject;
struct TDesignerProject;
struct TRowContext;

// The left pane: the object selector `ComboBox1` and the property list
// `ValueEdit` of the page or of the one selected object. Every applied cell
// is written straight into the page model as one undo step.
class TPropertyEditor : public QWidget {
    Q_OBJECT
public:
    struct TSources {
        TPageHost& Host;
        TDesignerProject& Project;
        TProjectPickers& Pickers;
        TSurfaceOwner& Owner;
        // The page name row; false when the name is refused.
        std::function<bool(const std::string&)> RenamePage;
        TRichEditorForm* RichEditor = nullptr;
    };

    TPropertyEditor(TSources sources, QWidget* parent);
    ~TPropertyEditor() override;

    // Rebuilds the selector and the list for the current selection.
    void FillProperties();
    // Empties both, as when no page is open.
    void Clear();
    // The selector's items show the names and the hidden state the objects
    // have now; its choice and the list stay.
    void RefreshSelector();

    // The selector's choice: item 0 the page, item i + 1 object i.
    void ComboBox1Change(int index);
    // A changed cell of a choice, text or suggest row (and a typed path):
    // applied at once unless the list is being filled.
    void ValueEditStringsChange(int row, const QString& text);
    // Number rows and the page name, when the cell is left: false (after the
    // message) when the text is refused; the cell then shows the held value.
    bool ValueEditValidate(int row, const QString& text);
    // The ellipsis of a file or dialog row.
    void ValueEditEditButtonClick(int row);
    // Applies a cell still being edited; false when it holds a value the
    // row refuses, which stops the command that asked.
    bool CommitPendingEdit();

    QComboBox* ComboBox1() const { return comboBox1_; }
    QTableWidget* ValueEdit() const { return valueEdit_; }
    QLabel* MultiSelected() const { return multiSelected_; }
    // The editor of the cell being edited, or null.
    QWidget* CellEditor() const;
    const TPropertyRows& Rows() const { return rows_; }
    // The first row with this caption, or -1.
    int RowOf(const QString& caption) const;
    // The first row of a kept section; 1000 when the list has no such section.
    int SectionStart(TRowSection section) const;
    bool Filling() const { return filling_; }
    bool CheckGroup() const { return checkGroup_; }
    // The object shown, or null for the page (and for several objects).
    TAutoObject* Target() const { return target_; }
    // The text of the status bar's panel 0.
    const QString& StatusText() const { return status_; }

signals:
    // A value was applied; `followUps` tells what must follow it.
    void Applied(unsigned followUps);
    // The selector changed the selection.
    void SelectionChosen();
    void StatusChanged(const QString& text);

private:
    friend class TPropertyDelegate;
    void FillSelector();
    void SetSelectorItem(int index, std::uint8_t kind, bool page, bool shown,
                         const std::string& name);
    // Shows the rows of an object that stays unselected (a hidden one).
    void ShowObject(TAutoObject& object);
    void RefillKeepingTarget();
    void ShowValues();
    void Changed(int row, unsigned followUps);
    // One undo step for each edited cell, taken before its first change.
    void RecordStep(int row);
    void EditorOpened(int row);
    void EditorClosed();

    // What each selector item shows, to leave unchanged items alone on a refill.
    struct TSelectorLook {
        std::string Name;
        std::uint8_t Kind = 0;
        bool Shown = true;
        bool operator==(const TSelectorLook&) const = default;
    };

    TSources sources_;
    QComboBox* comboBox1_ = nullptr;
    std::vector<TSelectorLook> selectorLooks_;
    QTableWidget* valueEdit_ = nullptr;
    QLabel* multiSelected_ = nullptr;
    TPropertyDelegate* delegate_ = nullptr;
    std::unique_ptr<TRowContext> context_;
    TPropertyRows rows_;
    std::array<int, kKeptSections> sectionStarts_{};
    TAutoObject* target_ = nullptr;
    bool filling_ = false;
    bool checkGroup_ = false;
    QString status_;
    int editedRow_ = -1;
    int recordedRow_ = -1;
    bool refillQueued_ = false;
};

} // namespace brelvane
