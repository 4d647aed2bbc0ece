#include "designer/PropertyEditor.h"

#include "designer/DesignerProject.h"
#include "designer/EditForm.h"
#include "designer/ObjectSelector.h"
#include "designer/PageHost.h"
#include "designer/PropertyDelegate.h"
#include "designer/PropertyRows.h"
#include "designer/SelectorDelegate.h"
#include "designer/SurfaceObjects.h"
#include "objects/records/ObjectKinds.h"
#include "platform/MessageBoxes.h"
#include "player/AutoRunForm.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStackedLayout>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace brelvane {

namespace {
constexpr int kNameColumnWidth = 100;
constexpr int kValueColumnWidth = 95;
constexpr int kNoSection = 1000;
} // namespace

TPropertyEditor::TPropertyEditor(TSources sources, QWidget* parent)
    : QWidget(parent), sources_(std::move(sources)) {
    setObjectName("PropertyEditor");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    comboBox1_ = new TObjectSelector(this);
    connect(comboBox1_, &QComboBox::activated, this, &TPropertyEditor::ComboBox1Change);
    layout->addWidget(comboBox1_);

    auto* pane = new QWidget(this);
    auto* stack = new QStackedLayout(pane);
    stack->setStackingMode(QStackedLayout::StackAll);
    valueEdit_ = new QTableWidget(0, 2, pane);
    valueEdit_->setObjectName("ValueEdit");
    valueEdit_->setHorizontalHeaderLabels({"Name", "Value"});
    valueEdit_->verticalHeader()->hide();
    valueEdit_->verticalHeader()->setDefaultSectionSize(18);
    valueEdit_->setColumnWidth(0, kNameColumnWidth);
    valueEdit_->setColumnWidth(1, kValueColumnWidth);
    valueEdit_->horizontalHeader()->setStretchLastSection(true);
    valueEdit_->setSelectionMode(QAbstractItemView::SingleSelection);
    valueEdit_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    delegate_ = new TPropertyDelegate(*this);
    valueEdit_->setItemDelegate(delegate_);
    multiSelected_ = new QLabel("Multi - Selected", pane);
    multiSelected_->setObjectName("MultiSelected");
    multiSelected_->setAlignment(Qt::AlignCenter);
    stack->addWidget(valueEdit_);
    stack->addWidget(multiSelected_);
    layout->addWidget(pane, 1);
    sectionStarts_.fill(kNoSection);
}

TPropertyEditor::~TPropertyEditor() {
    // The editors' rows refer to the page model, which may go first.
    filling_ = true;
    valueEdit_->setRowCount(0);
}

void TPropertyEditor::Clear() {
    filling_ = true;
    valueEdit_->setRowCount(0);
    rows_.clear();
    context_.reset();
    target_ = nullptr;
    comboBox1_->clear();
    selectorLooks_.clear();
    sectionStarts_.fill(kNoSection);
    filling_ = false;
}

void TPropertyEditor::FillProperties() {
    auto* model = sources_.Host.Model();
    if (!model) {
        Clear();
        return;
    }
    filling_ = true;
    refillQueued_ = false;
    valueEdit_->hide();
    valueEdit_->setRowCount(0);
    rows_.clear();
    sectionStarts_.fill(kNoSection);
    auto& page = model->Page();
    const auto selected = SelectedObjects(page.Objects);
    target_ = selected.size() == 1 ? selected.front() : nullptr;
    FillSelector();
    const int item = comboBox1_->currentIndex();
    checkGroup_ = target_ && HasCheckGroupRows(target_->Kind);
    if (item >= 0) {
        context_ = std::make_unique<TRowContext>(
            TRowContext{page, target_, sources_.Project, sources_.Pickers, window(),
                        sources_.RenamePage, sources_.RichEditor});
        rows_ = PropertyRowsOf(*context_);
    }
    valueEdit_->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const auto& row = rows_[i];
        const int at = static_cast<int>(i);
        auto* name = new QTableWidgetItem(row.Caption);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        valueEdit_->setItem(at, 0, name);
        // Filled before it joins the table, which then reports no change of it.
        auto* value = new QTableWidgetItem(row.Text());
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (row.Editable() && row.Look != TRowLook::Disabled) flags |= Qt::ItemIsEditable;
        value->setFlags(flags);
        valueEdit_->setItem(at, 1, value);
        const auto section = static_cast<int>(row.Section);
        if (section >= 1 && section <= kKeptSections && sectionStarts_[section - 1] == kNoSection)
            sectionStarts_[section - 1] = at;
    }
    valueEdit_->setVisible(item >= 0);
    if (item < 0)
        status_ = "Multi - Selected";
    else if (target_)
        status_ = "Object Properties  [" + QString::number(item) + " / " +
                  QString::number(page.Objects.size()) + "]";
    else
        status_ = QString::fromLatin1(PageKindName(page.PageKind).data(),
                                      static_cast<int>(PageKindName(page.PageKind).size())) +
                  " Properties";
    emit StatusChanged(status_);
    filling_ = false;
}

void TPropertyEditor::FillSelector() {
    const QSignalBlocker blocker(comboBox1_);
    RefreshSelector();
    int current = 0;
    int selectedCount = 0;
    const auto& objects = sources_.Host.Model()->Page().Objects;
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i]->Selected) {
            ++selectedCount;
            current = static_cast<int>(i) + 1;
        }
    comboBox1_->setCurrentIndex(selectedCount > 1 ? -1 : current);
}

void TPropertyEditor::RefreshSelector() {
    auto* model = sources_.Host.Model();
    if (!model) return;
    const auto& page = model->Page();
    const QSignalBlocker blocker(comboBox1_);
    SetSelectorItem(0, page.PageKind, true, true, page.PageName);
    for (std::size_t i = 0; i < page.Objects.size(); ++i) {
        const auto& object = *page.Objects[i];
        SetSelectorItem(static_cast<int>(i) + 1, object.Kind, false, IsShown(object),
                        object.Props.Name);
    }
    const int items = static_cast<int>(page.Objects.size()) + 1;
    while (comboBox1_->count() > items)
        comboBox1_->removeItem(comboBox1_->count() - 1);
    selectorLooks_.resize(static_cast<std::size_t>(items));
    comboBox1_->update();
}

// The list is filled again on every change of selection, so an item that already shows the
// same name, kind and look is left as it is: rebuilding hundreds of items cost most of a fill.
void TPropertyEditor::SetSelectorItem(int index, std::uint8_t kind, bool page, bool shown,
                                      const std::string& name) {
    const TSelectorLook look{name, kind, shown};
    const auto at = static_cast<std::size_t>(index);
    if (at < selectorLooks_.size() && selectorLooks_[at] == look) return;
    const QString text = FromAnsi(name);
    if (at < selectorLooks_.size()) {
        comboBox1_->setItemIcon(index, SelectorIcon(kind, page, shown));
        comboBox1_->setItemText(index, text);
        selectorLooks_[at] = look;
    } else {
        comboBox1_->addItem(SelectorIcon(kind, page, shown), text);
        selectorLooks_.push_back(look);
    }
    const auto kindName = page ? PageKindName(kind) : KindName(kind);
    comboBox1_->setItemData(index,
                            QString::fromLatin1(kindName.data(), static_cast<int>(kindName.size())),
                            kKindNameRole);
    if (!page) comboBox1_->setItemData(index, !shown, kHiddenRole);
}

void TPropertyEditor::ShowValues() {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (auto* item = valueEdit_->item(static_cast<int>(i), 1)) item->setText(rows_[i].Text());
}

QWidget* TPropertyEditor::CellEditor() const {
    return delegate_->OpenEditor();
}

int TPropertyEditor::RowOf(const QString& caption) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].Caption == caption) return static_cast<int>(i);
    return -1;
}

int TPropertyEditor::SectionStart(TRowSection section) const {
    const int at = static_cast<int>(section);
    return at >= 1 && at <= kKeptSections ? sectionStarts_[at - 1] : kNoSection;
}

void TPropertyEditor::ComboBox1Change(int index) {
    auto* model = sources_.Host.Model();
    if (!model || filling_ || !CommitPendingEdit()) return;
    auto& objects = model->Page().Objects;
    for (auto& object : objects)
        object->Selected = false;
    // A hidden object can be inspected but is not selected on the surface.
    if (index > 0 && index <= static_cast<int>(objects.size())) {
        auto& object = *objects[static_cast<std::size_t>(index - 1)];
        object.Selected = IsShown(object);
        if (object.Selected)
            FillProperties();
        else
            ShowObject(object);
    } else {
        FillProperties();
    }
    emit SelectionChosen();
}

void TPropertyEditor::ShowObject(TAutoObject& object) {
    object.Selected = true;
    FillProperties();
    object.Selected = false;
}

void TPropertyEditor::ValueEditStringsChange(int row, const QString& text) {
    if (filling_ || row < 0 || row >= static_cast<int>(rows_.size())) return;
    auto& property = rows_[static_cast<std::size_t>(row)];
    if (!property.Apply || property.AppliedOnLeave || property.Editor == TRowEditor::Number ||
        property.Editor == TRowEditor::Fixed || !IsStorableText(text) || text == property.Text())
        return;
    RecordStep(row);
    if (property.Apply(text)) Changed(row, property.FollowUps);
}

bool TPropertyEditor::ValueEditValidate(int row, const QString& text) {
    if (filling_ || row < 0 || row >= static_cast<int>(rows_.size())) return true;
    auto& property = rows_[static_cast<std::size_t>(row)];
    const auto putBack = [&] {
        valueEdit_->item(row, 1)->setText(property.Text());
        if (editedRow_ == row) delegate_->SetEditorText(property.Text());
    };
    if (property.AppliedOnLeave) {
        if (text == property.Text()) return true;
        if (!property.Apply(text)) {
            putBack();
            return false;
        }
        Changed(row, property.FollowUps);
        return true;
    }
    if (property.Editor != TRowEditor::Number) return true;
    const auto typed = ParseWholeNumber(text);
    if (!typed) {
        platform::ShowInformation(window(), "Information",
                                  "\"" + text + "\" is not a valid value.");
        putBack();
        return false;
    }
    // Out of range is no error: the nearest bound is taken.
    const std::int64_t value = std::clamp(*typed, property.Minimum, property.Maximum);
    if (value != property.Number()) {
        RecordStep(row);
        property.SetNumber(value);
        Changed(row, property.FollowUps);
    }
    putBack();
    return true;
}

void TPropertyEditor::ValueEditEditButtonClick(int row) {
    if (filling_ || row < 0 || row >= static_cast<int>(rows_.size())) return;
    auto& property = rows_[static_cast<std::size_t>(row)];
    if (!property.HasEllipsis()) return;
    if (property.Open([this, row] { RecordStep(row); })) {
        Changed(row, property.FollowUps);
        if (editedRow_ == row) delegate_->SetEditorText(property.Text());
    }
}

bool TPropertyEditor::CommitPendingEdit() {
    if (editedRow_ < 0 || !delegate_->OpenEditor()) return true;
    if (!ValueEditValidate(editedRow_, delegate_->EditorText())) return false;
    delegate_->CloseEditor();
    return true;
}

void TPropertyEditor::RecordStep(int row) {
    const auto& property = rows_[static_cast<std::size_t>(row)];
    if (!property.Undoable || (row == editedRow_ && row == recordedRow_)) return;
    sources_.Owner.RecordUndoStep(property.Caption);
    recordedRow_ = row == editedRow_ ? row : -1;
}

void TPropertyEditor::EditorOpened(int row) {
    editedRow_ = row;
    recordedRow_ = -1;
}

void TPropertyEditor::EditorClosed() {
    editedRow_ = -1;
    recordedRow_ = -1;
}

void TPropertyEditor::Changed(int row, unsigned followUps) {
    sources_.Owner.SetModified(true);
    if (target_ && target_->Control) target_->Control->Refresh();
    ShowValues();
    if (followUps & fuSelector) {
        const int item = comboBox1_->currentIndex();
        if (item >= 0 && row >= 0) {
            const std::string& name =
                target_ ? target_->Props.Name : sources_.Host.Model()->Page().PageName;
            comboBox1_->setItemText(item, FromAnsi(name));
            if (static_cast<std::size_t>(item) < selectorLooks_.size())
                selectorLooks_[static_cast<std::size_t>(item)].Name = name;
        }
    }
    emit Applied(followUps | (target_ ? fuRepaint : fuFrame));
    if (!(followUps & fuRows)) return;
    // The rows that depend on the value are built anew; an open cell editor
    // goes with them, so then the list waits until its signal has returned.
    if (editedRow_ < 0) {
        RefillKeepingTarget();
    } else if (!refillQueued_) {
        refillQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (refillQueued_) RefillKeepingTarget();
            },
            Qt::QueuedConnection);
    }
}

void TPropertyEditor::RefillKeepingTarget() {
    const int row = valueEdit_->currentRow();
    if (target_ && !target_->Selected)
        ShowObject(*target_);
    else
        FillProperties();
    if (row >= 0 && row < valueEdit_->rowCount()) valueEdit_->setCurrentCell(row, 0);
}

} // namespace brelvane
