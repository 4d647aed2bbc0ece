#include "designer/EditForm.h"
#include "designer/PageHost.h"
#include "designer/SurfaceObjects.h"
#include "player/AutoRunForm.h"

#include <algorithm>

namespace brelvane {

namespace {
// Each mode places one edge or the middle on one axis; sizes stay.
struct TAlignRule {
    const char* Label;
    bool Vertical;
    int Place; // 0 the start edge, 1 the middle, 2 the end edge
};

TAlignRule RuleOf(TAlignMode mode) {
    switch (mode) {
    case TAlignMode::Left:
        return {"Align Left", false, 0};
    case TAlignMode::Center:
        return {"Align Center", false, 1};
    case TAlignMode::Right:
        return {"Align Right", false, 2};
    case TAlignMode::Top:
        return {"Align Top", true, 0};
    case TAlignMode::Middle:
        return {"Align Middle", true, 1};
    case TAlignMode::Bottom:
        return {"Align Bottom", true, 2};
    }
    return {"", false, 0};
}

// Where an object of `size` starts next to a reference at `start` of `extent`.
int AlignedStart(int start, int extent, int size, int place) {
    switch (place) {
    case 1:
        return start + extent / 2 - size / 2;
    case 2:
        return start + extent - size;
    default:
        return start;
    }
}

TBounds Aligned(TBounds bounds, const TBounds& reference, const TAlignRule& rule) {
    if (rule.Vertical)
        bounds.Top = AlignedStart(reference.Top, reference.Height, bounds.Height, rule.Place);
    else
        bounds.Left = AlignedStart(reference.Left, reference.Width, bounds.Width, rule.Place);
    return bounds;
}
} // namespace

std::vector<TAutoObject*> TEditForm::Selection() const {
    const auto* model = host_.Model();
    return model ? SelectedObjects(model->Page().Objects) : std::vector<TAutoObject*>();
}

int TEditForm::SelectedCount() const {
    return static_cast<int>(Selection().size());
}

int TEditForm::ObjectCount() const {
    const auto* model = host_.Model();
    return model ? static_cast<int>(model->Page().Objects.size()) : 0;
}

void TEditForm::AfterChange(bool objectsChanged) {
    owner_.SetModified(true);
    RepaintSurface();
    if (objectsChanged) emit ObjectsChanged();
    emit SelectionChanged();
}

bool TEditForm::ChangeSelected(const QString& label,
                               const std::function<TBounds(const TAutoObject&, TBounds)>& change) {
    std::vector<std::pair<TAutoObject*, TBounds>> changes;
    for (auto* object : Selection()) {
        const TBounds bounds = BoundsOf(*object);
        const TBounds changed = change(*object, bounds);
        if (changed != bounds) changes.emplace_back(object, changed);
    }
    if (changes.empty()) return false;
    if (!label.isEmpty()) owner_.RecordUndoStep(label);
    for (const auto& [object, bounds] : changes)
        SetBounds(*object, bounds);
    owner_.SetModified(true);
    return true;
}

void TEditForm::SelectAll() {
    auto* model = host_.Model();
    if (!model) return;
    for (auto& object : model->Page().Objects)
        object->Selected = true;
    RepaintSurface();
    emit SelectionChanged();
}

void TEditForm::DeleteWhere(bool (*doomed)(const TAutoObject&)) {
    auto& objects = host_.Model()->Page().Objects;
    objects.erase(std::remove_if(objects.begin(), objects.end(),
                                 [doomed](const auto& object) { return doomed(*object); }),
                  objects.end());
    AfterChange(true);
}

void TEditForm::DeleteSelected() {
    if (SelectedCount() == 0) return;
    owner_.RecordUndoStep("Delete");
    DeleteWhere([](const TAutoObject& object) { return object.Selected; });
}

void TEditForm::ClearPage() {
    if (ObjectCount() == 0) return;
    owner_.RecordUndoStep("Clear");
    DeleteWhere([](const TAutoObject&) { return true; });
}

void TEditForm::MoveInStack(const QString& label, void (*move)(TAutoObjects&, TAutoObject&)) {
    const auto selection = Selection();
    if (selection.size() != 1) return;
    owner_.RecordUndoStep(label);
    auto& objects = host_.Model()->Page().Objects;
    move(objects, *selection.front());
    Restack(objects);
    AfterChange(true);
}

void TEditForm::BringToFront() {
    MoveInStack("Bring to Front", brelvane::BringToFront);
}

void TEditForm::SendToBack() {
    MoveInStack("Send to Back", brelvane::SendToBack);
}

void TEditForm::Align(TAlignMode mode) {
    const auto selection = Selection();
    if (selection.size() < 2) return;
    // The reference is the first selected object in list order.
    const TAutoObject* reference = selection.front();
    const TBounds target = BoundsOf(*reference);
    const TAlignRule rule = RuleOf(mode);
    ChangeSelected(rule.Label, [&](const TAutoObject& object, TBounds bounds) {
        return &object == reference ? bounds : Aligned(bounds, target, rule);
    });
    owner_.SetModified(true);
    RepaintSurface();
    emit SelectionChanged();
}

void TEditForm::AlignToGrid() {
    const TGrid grid = owner_.Grid();
    // Snapped whether or not snapping is on.
    const bool changed = ChangeSelected("Align to Grid", [&](const TAutoObject&, TBounds bounds) {
        bounds.Left = SnapCoordinate(bounds.Left, grid.X);
        bounds.Top = SnapCoordinate(bounds.Top, grid.Y);
        return bounds;
    });
    if (!changed) return;
    RepaintSurface();
    emit SelectionChanged();
}

void TEditForm::MoveSelection(int dx, int dy) {
    if (ChangeSelected("Move", [&](const TAutoObject&, TBounds bounds) {
            bounds.Left += dx;
            bounds.Top += dy;
            return bounds;
        }))
        RepaintSurface();
}

void TEditForm::SizeSelection(int dw, int dh) {
    if (ChangeSelected("Size", [&](const TAutoObject&, TBounds bounds) {
            bounds.Width = std::max(1, bounds.Width + dw);
            bounds.Height = std::max(1, bounds.Height + dh);
            return bounds;
        }))
        RepaintSurface();
}

} // namespace brelvane
