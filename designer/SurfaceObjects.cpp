#include "designer/SurfaceObjects.h"

#include "objects/controls/ObjectWidget.h"
#include "objects/records/ObjectKinds.h"
#include "player/AutoRunForm.h"

#include <algorithm>

namespace brelvane {

namespace {
QWidget* WidgetOf(const TAutoObject& object) {
    return dynamic_cast<QWidget*>(object.Control.get());
}

void RaiseInListOrder(const TAutoObjects& objects) {
    for (const auto& object : objects)
        if (auto* widget = WidgetOf(*object)) widget->raise();
}

TAutoObjects::iterator Find(TAutoObjects& objects, const TAutoObject& object) {
    return std::find_if(objects.begin(), objects.end(),
                        [&](const auto& entry) { return entry.get() == &object; });
}
} // namespace

TBounds BoundsOf(const TAutoObject& object) {
    if (const auto* widget = WidgetOf(object)) {
        const QRect g = widget->geometry();
        return {g.x(), g.y(), g.width(), g.height()};
    }
    if (const auto* payload = object.Payload.get())
        return {payload->Left, payload->Top, payload->Width, payload->Height};
    return {};
}

void SetBounds(TAutoObject& object, const TBounds& bounds) {
    auto* payload = object.Payload.get();
    if (payload) {
        payload->Left = bounds.Left;
        payload->Top = bounds.Top;
        payload->Width = bounds.Width;
        payload->Height = bounds.Height;
    }
    auto* widget = WidgetOf(object);
    if (!widget) return;
    if (widget->geometry() != bounds.Rect()) widget->setGeometry(bounds.Rect());
    if (payload) {
        const QRect shown = widget->geometry();
        payload->Width = shown.width();
        payload->Height = shown.height();
    }
}

bool IsShown(const TAutoObject& object) {
    const auto* widget = WidgetOf(object);
    return widget && !widget->isHidden();
}

std::vector<TAutoObject*> SelectedObjects(const TAutoObjects& objects) {
    std::vector<TAutoObject*> selected;
    for (const auto& object : objects)
        if (object->Selected) selected.push_back(object.get());
    return selected;
}

void SelectOnly(TAutoObjects& objects, const TAutoObject* only) {
    for (auto& object : objects)
        object->Selected = object.get() == only;
}

TAutoObject* AddObject(TAutoRunForm& page, std::uint8_t kind, int left, int top) {
    auto& objects = page.Page().Objects;
    auto* object = AddObjectRecord(objects, kind, left, top);
    if (!object) return nullptr;
    if (!page.AttachControl(*object)) {
        objects.pop_back();
        return nullptr;
    }
    object->Selected = true;
    return object;
}

void Restack(TAutoObjects& objects) {
    std::stable_partition(objects.begin(), objects.end(),
                          [](const auto& object) { return !IsWindowedKind(object->Kind); });
    RaiseInListOrder(objects);
}

void BringToFront(TAutoObjects& objects, TAutoObject& object) {
    const auto at = Find(objects, object);
    if (at == objects.end()) return;
    std::rotate(at, at + 1, objects.end());
    if (auto* widget = WidgetOf(object)) widget->raise();
}

void SendToBack(TAutoObjects& objects, TAutoObject& object) {
    const auto at = Find(objects, object);
    if (at == objects.end()) return;
    std::rotate(objects.begin(), at, at + 1);
    // The page's background is painted by the panel itself, so it stays behind.
    if (auto* widget = WidgetOf(object)) widget->lower();
}

} // namespace brelvane
