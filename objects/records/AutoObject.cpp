#include "objects/records/AutoObject.h"

#include "objects/records/ObjectKinds.h"

#include <algorithm>

namespace brelvane {

void TAutoObject::SetControl(std::unique_ptr<TObjectControl> control) {
    Control = std::move(control);
    if (Control) Control->Object = this;
}

std::string NewObjectName(const TAutoObjects& objects, std::uint8_t kind) {
    const std::string base(KindName(kind));
    for (int n = 1;; ++n) {
        auto name = base + std::to_string(n);
        const bool taken = std::any_of(objects.begin(), objects.end(), [&](const auto& object) {
            return object->Props.Name == name;
        });
        if (!taken) return name;
    }
}

TAutoObject* AddObjectRecord(TAutoObjects& objects, std::uint8_t kind, std::int32_t left,
                             std::int32_t top) {
    const auto* codec = PayloadCodecOf(kind);
    if (!codec) return nullptr;
    for (auto& object : objects)
        object->Selected = false;

    auto object = std::make_unique<TAutoObject>();
    object->Kind = kind;
    object->Props.Name = NewObjectName(objects, kind);
    object->Payload = codec->Create();
    const auto& info = ObjectKindInfo(kind);
    if (auto* caption = object->Payload->CaptionText()) *caption = info.DefaultCaption;
    object->Payload->Left = left;
    object->Payload->Top = top;
    object->Payload->Width = info.DefaultWidth;
    object->Payload->Height = info.DefaultHeight;
    // A new keyboard stop comes after those already on the page.
    object->Payload->SetTabOrder(static_cast<std::int32_t>(
        std::count_if(objects.begin(), objects.end(), [](const auto& other) {
            return other->Payload && other->Payload->TabOrder();
        })));
    objects.push_back(std::move(object));
    return objects.back().get();
}

TAutoObject* FindObjectOf(const TObjectControl* control) {
    return control ? control->Object : nullptr;
}

TCommand* PropsOf(const TObjectControl* control) {
    auto* object = FindObjectOf(control);
    return object ? &object->Props : nullptr;
}

void ApplyVisibility(TAutoObject& object) {
    if (object.Control) object.Control->SetShown(object.Props.Visible);
}

void ApplyEnabled(TAutoObject& object) {
    if (object.Control) object.Control->SetActive(object.Props.Enabled);
}

} // namespace brelvane
