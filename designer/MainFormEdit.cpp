#include "designer/EditForm.h"
#include "designer/MainForm.h"
#include "designer/PageHost.h"
#include "designer/PropertyEditor.h"
#include "designer/SurfaceClipboard.h"
#include "designer/SurfaceObjects.h"
#include "player/AutoRunForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <set>

namespace brelvane {

void TMainForm::BuildEditMenu() {
    auto* edit = menuBar()->addMenu("&Edit");
    connect(edit, &QMenu::aboutToShow, this, &TMainForm::Edit1Click);
    AddCommand(edit, "Undo1", "Undo", QKeySequence("Ctrl+Z"), &TMainForm::Undo1Click);
    AddCommand(edit, "Redo1", "Redo", QKeySequence("Ctrl+Y"), &TMainForm::Redo1Click)
        ->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    edit->addSeparator();
    auto* align = edit->addMenu("Align");
    align->menuAction()->setObjectName("Align1");
    AddCommand(align, "AligntoGrid1", "Align to Grid", {}, &TMainForm::AligntoGrid1Click);
    AddCommand(align, "AlignLeft1", "Align Left", {}, &TMainForm::AlignLeft1Click);
    AddCommand(align, "AlignCenter1", "Align Center", {}, &TMainForm::AlignCenter1Click);
    AddCommand(align, "AlignRight1", "Align Right", {}, &TMainForm::AlignRight1Click);
    AddCommand(align, "AlignTop1", "Align Top", {}, &TMainForm::AlignTop1Click);
    AddCommand(align, "AlignMiddle1", "Align Middle", {}, &TMainForm::AlignMiddle1Click);
    AddCommand(align, "AlignBottom1", "Align Bottom", {}, &TMainForm::AlignBottom1Click);
    AddCommand(edit, "Copy1", "Copy", QKeySequence("Ctrl+C"), &TMainForm::Copy1Click);
    AddCommand(edit, "Paste1", "Paste", QKeySequence("Ctrl+V"), &TMainForm::Paste1Click);
    AddCommand(edit, "Duplicate1", "Duplicate", QKeySequence("Ctrl+D"),
               &TMainForm::Duplicate1Click);
    AddCommand(edit, "Delete1", "Delete", QKeySequence("Ctrl+Del"), &TMainForm::Delete1Click);
    AddCommand(edit, "Clear1", "Clear", {}, &TMainForm::Clear1Click);
    edit->addSeparator();
    AddCommand(edit, "BringtoFront1", "Bring to Front", {}, &TMainForm::BringtoFront1Click);
    AddCommand(edit, "SendtoBack1", "Send to Back", {}, &TMainForm::SendtoBack1Click);
    AddCommand(edit, "SelectAll1", "Select All", {}, &TMainForm::SelectAll1Click);
    edit->addSeparator();
    AddCommand(edit, "SetVisibleTrueInGroup1", "Set Visible True In Group...", {},
               &TMainForm::SetVisibleTrueInGroup1Click);
    AddCommand(edit, "SetVisibleFalseInGroup1", "Set Visible False In Group...", {},
               &TMainForm::SetVisibleFalseInGroup1Click);

    // The same items without the group items; its Delete answers to Del.
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName("PopupMenu1");
    connect(popupMenu1_, &QMenu::aboutToShow, this, &TMainForm::PopupMenu1Change);
    for (const char* name : {"Undo1", "Redo1"})
        popupMenu1_->addAction(Action(name));
    popupMenu1_->addSeparator();
    popupMenu1_->addMenu(align);
    for (const char* name : {"Copy1", "Paste1", "Duplicate1"})
        popupMenu1_->addAction(Action(name));
    AddCommand(popupMenu1_, "Delete2", "Delete", QKeySequence(Qt::Key_Delete),
               &TMainForm::Delete1Click);
    popupMenu1_->addAction(Action("Clear1"));
    popupMenu1_->addSeparator();
    for (const char* name : {"BringtoFront1", "SendtoBack1", "SelectAll1"})
        popupMenu1_->addAction(Action(name));
    connect(editForm_, &TEditForm::PopupRequested, this, [this](QPoint at) {
        PopupMenu1Change();
        popupMenu1_->popup(at);
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::Edit1Click);
}

void TMainForm::Edit1Click() {
    const int selected = editForm_->SelectedCount();
    for (const char* name : {"Align1", "AligntoGrid1", "Copy1", "Duplicate1", "Delete1", "Delete2"})
        Action(name)->setEnabled(selected >= 1);
    for (const char* name :
         {"AlignLeft1", "AlignCenter1", "AlignRight1", "AlignTop1", "AlignMiddle1", "AlignBottom1"})
        Action(name)->setEnabled(selected >= 2);
    for (const char* name : {"BringtoFront1", "SendtoBack1"})
        Action(name)->setEnabled(selected == 1);
    Action("Paste1")->setEnabled(ClipboardHoldsObjects());
    UpdateUndoCommands();
}

void TMainForm::UpdateUndoCommands() {
    const auto* entry = project_.Entry(project_.CurrentPageIndex);
    const auto update = [](QAction* action, const char* verb, const TUndoHistory::TStep* step) {
        action->setEnabled(step != nullptr);
        action->setText(step ? QString(verb) + " " + QString::fromStdString(step->Label)
                             : QString(verb));
    };
    update(Action("Undo1"), "Undo", undo_.NextUndo(entry));
    update(Action("Redo1"), "Redo", undo_.NextRedo(entry));
}

void TMainForm::RecordUndoStep(const QString& label) {
    const auto* entry = project_.Entry(project_.CurrentPageIndex);
    if (!entry || !host_->Model()) return;
    undo_.Record(entry, label.toStdString(), PageSnapshot(host_->Model()->Page()));
    UpdateUndoCommands();
}

void TMainForm::Undo1Click() {
    const auto* entry = project_.Entry(project_.CurrentPageIndex);
    if (!entry || !host_->Model() || !CommitPendingEdit()) return;
    if (const auto step = undo_.Undo(entry, PageSnapshot(host_->Model()->Page())))
        RestorePage(step->Page);
    UpdateUndoCommands();
}

void TMainForm::Redo1Click() {
    const auto* entry = project_.Entry(project_.CurrentPageIndex);
    if (!entry || !host_->Model() || !CommitPendingEdit()) return;
    if (const auto step = undo_.Redo(entry, PageSnapshot(host_->Model()->Page())))
        RestorePage(step->Page);
    UpdateUndoCommands();
}

void TMainForm::RestorePage(const std::vector<std::uint8_t>& snapshot) {
    std::set<std::string> selected;
    for (const auto* object : SelectedObjects(host_->Model()->Page().Objects))
        selected.insert(object->Props.Name);
    // The same reader as loading; a page that cannot be read stays as it is.
    TMemoryStream stream(snapshot);
    propertyEditor_->Clear();
    if (!host_->Load(stream)) {
        propertyEditor_->FillProperties();
        return;
    }
    for (auto& object : host_->Model()->Page().Objects)
        object->Selected = selected.count(object->Props.Name) != 0;
    SetModified(true);
    editForm_->PageReplaced();
}

void TMainForm::AligntoGrid1Click() {
    editForm_->AlignToGrid();
}
void TMainForm::AlignLeft1Click() {
    editForm_->Align(TAlignMode::Left);
}
void TMainForm::AlignCenter1Click() {
    editForm_->Align(TAlignMode::Center);
}
void TMainForm::AlignRight1Click() {
    editForm_->Align(TAlignMode::Right);
}
void TMainForm::AlignTop1Click() {
    editForm_->Align(TAlignMode::Top);
}
void TMainForm::AlignMiddle1Click() {
    editForm_->Align(TAlignMode::Middle);
}
void TMainForm::AlignBottom1Click() {
    editForm_->Align(TAlignMode::Bottom);
}
void TMainForm::Copy1Click() {
    editForm_->Copy();
}
void TMainForm::Paste1Click() {
    editForm_->Paste();
}
void TMainForm::Duplicate1Click() {
    editForm_->Duplicate();
}
void TMainForm::Delete1Click() {
    if (editForm_->KeySinkHasFocus()) editForm_->DeleteSelected();
}
void TMainForm::Clear1Click() {
    editForm_->ClearPage();
}
void TMainForm::BringtoFront1Click() {
    editForm_->BringToFront();
}
void TMainForm::SendtoBack1Click() {
    editForm_->SendToBack();
}
void TMainForm::SelectAll1Click() {
    editForm_->SelectAll();
}

TGrid TMainForm::Grid() const {
    return {settings_.SnapToGrid, settings_.GridSizeX, settings_.GridSizeY};
}

std::optional<std::uint8_t> TMainForm::AddingKind() const {
    const auto* checked = objectTools_->checkedAction();
    if (!checked || checked->objectName() == "ToolButton_Select") return std::nullopt;
    return static_cast<std::uint8_t>(checked->data().toUInt());
}

void TMainForm::AddingDone() {
    Action("ToolButton_Select")->setChecked(true);
}

} // namespace brelvane
