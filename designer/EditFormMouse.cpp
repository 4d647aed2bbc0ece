#include "designer/EditForm.h"
#include "designer/PageHost.h"
#include "designer/SurfaceImage.h"
#include "designer/SurfaceObjects.h"
#include "objects/records/ObjectKinds.h"
#include "player/AutoRunForm.h"

namespace brelvane {

void TEditForm::Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                QPoint point) {
    if (!host_.Model() || !owner_.CommitPendingEdit()) return;
    if (button == Qt::LeftButton) {
        if (const auto kind = owner_.AddingKind()) {
            AddAt(*kind, point);
            return;
        }
    }
    state_.DragMode = TDragMode::Band;
    state_.Moved = false;
    state_.StepRecorded = false;
    // With Ctrl a press never moves or sizes: it starts a band or a toggle click.
    if (!(modifiers & Qt::ControlModifier)) PressOnObjects(point);
    state_.Anchor = point;
    RepaintSurface();
}

void TEditForm::AddAt(std::uint8_t kind, QPoint point) {
    auto* model = host_.Model();
    const QPoint at = SnapPoint(point, owner_.Grid());
    owner_.RecordUndoStep("Add " + QString::fromLatin1(KindName(kind).data(),
                                                       static_cast<int>(KindName(kind).size())));
    if (!AddObject(*model, kind, at.x(), at.y())) return;
    owner_.AddingDone();
    state_.CreatedOnPress = true;
    Restack(model->Page().Objects);
    AfterChange(true);
}

void TEditForm::PressOnObjects(QPoint point) {
    auto& objects = host_.Model()->Page().Objects;
    state_.Grip = kNoGrip;
    TAutoObject* hit = nullptr;
    bool wasSelected = false;
    // From the top of the stack down.
    for (auto at = objects.rbegin(); at != objects.rend() && !hit; ++at) {
        auto& object = **at;
        if (!IsShown(object)) continue;
        const TBounds bounds = BoundsOf(object);
        state_.Grip = object.Selected ? GripHitTest(bounds, point) : kNoGrip;
        if (state_.Grip == kNoGrip && ContainsStrictly(bounds, point)) {
            wasSelected = object.Selected;
            object.Selected = true;
            hit = &object;
        } else if (state_.Grip >= kBody) {
            wasSelected = true;
            hit = &object;
        }
    }
    if (!hit) return;
    state_.LastPoint = point;
    state_.DragMode = TDragMode::Dragging;
    if (wasSelected) return; // the whole selection moves together
    // A newly hit object is selected alone; hidden objects keep their state.
    for (auto& object : objects)
        if (object.get() != hit && IsShown(*object)) object->Selected = false;
    state_.Grip = kBody;
}

void TEditForm::Image1MouseMove(QPoint point) {
    switch (state_.DragMode) {
    case TDragMode::Dragging:
        DragTo(point);
        return;
    case TDragMode::Band: {
        state_.Moved = true;
        const QRect band = NormalisedBand(state_.Anchor, point);
        image1_->ToggleBand(state_.BandRect);
        image1_->ToggleBand(band);
        state_.BandRect = band;
        return;
    }
    case TDragMode::Idle:
        ShowCursorFor(point);
        return;
    }
}

void TEditForm::DragTo(QPoint point) {
    const TGrid grid = owner_.Grid();
    const TDragStep step = DragStep(state_.LastPoint, point, grid);
    if (!step.Moves) return;
    state_.Moved = true;
    const int grip = state_.Grip;
    // A resize stops at one grid step with snapping, at one pixel without.
    const int minimumWidth = grid.Snap ? grid.X : 1;
    const int minimumHeight = grid.Snap ? grid.Y : 1;
    const QString label = state_.StepRecorded ? QString() : grip == kBody ? "Move" : "Size";
    const bool changed = ChangeSelected(label, [&](const TAutoObject&, TBounds bounds) {
        bounds = ApplyGrip(bounds, grip, step.Dx, step.Dy);
        return grip == kBody ? bounds : WithMinimumSize(bounds, minimumWidth, minimumHeight);
    });
    state_.StepRecorded = state_.StepRecorded || changed;
    // The unspent remainder counts toward the next step.
    state_.LastPoint += QPoint(step.Dx, step.Dy);
    if (changed) RepaintSurface();
}

void TEditForm::ShowCursorFor(QPoint point) {
    const auto* model = host_.Model();
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (model) {
        const auto& objects = model->Page().Objects;
        for (auto at = objects.rbegin(); at != objects.rend(); ++at) {
            const TBounds bounds = BoundsOf(**at);
            // An unselected object on top hides the grips below it.
            if (!(*at)->Selected) {
                if (Contains(bounds, point)) break;
                continue;
            }
            const int grip = GripHitTest(bounds, point);
            if (grip == kNoGrip) continue;
            shape = GripCursor(grip);
            break;
        }
    }
    if (image1_->cursor().shape() != shape) image1_->setCursor(shape);
}

void TEditForm::Image1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              QPoint point) {
    if (state_.CreatedOnPress && button == Qt::LeftButton) {
        state_.CreatedOnPress = false;
        return;
    }
    // A release whose press did nothing (or started nothing) settles nothing.
    if (state_.DragMode == TDragMode::Idle || !host_.Model()) return;
    if (state_.DragMode == TDragMode::Band) {
        if (state_.Moved)
            SettleBand(modifiers, NormalisedBand(state_.Anchor, point));
        else
            SettleClick(modifiers, point);
    }
    state_.DragMode = TDragMode::Idle;
    state_.Moved = false;
    RepaintSurface();
    emit SelectionChanged();
    if (button == Qt::RightButton) emit PopupRequested(image1_->mapToGlobal(point));
}

void TEditForm::SettleBand(Qt::KeyboardModifiers modifiers, const QRect& band) {
    const bool toggle = modifiers & Qt::ControlModifier;
    for (auto& object : host_.Model()->Page().Objects) {
        if (!IsShown(*object)) continue;
        const bool inBand = TouchesBand(BoundsOf(*object), band);
        object->Selected = toggle ? inBand && !object->Selected : inBand;
    }
}

void TEditForm::SettleClick(Qt::KeyboardModifiers modifiers, QPoint point) {
    const bool toggle = modifiers & Qt::ControlModifier;
    auto& objects = host_.Model()->Page().Objects;
    bool found = false;
    for (auto at = objects.rbegin(); at != objects.rend(); ++at) {
        auto& object = **at;
        if (!IsShown(object)) continue;
        if (!Contains(BoundsOf(object), point)) {
            if (!toggle) object.Selected = false;
        } else if (!found) {
            found = true;
            object.Selected = toggle ? !object.Selected : true;
        }
    }
}

} // namespace brelvane
