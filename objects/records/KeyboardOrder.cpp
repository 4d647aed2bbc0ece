#include "objects/records/KeyboardOrder.h"

#include "objects/records/EditPayload.h"
#include "objects/records/ObjectKinds.h"

#include <algorithm>

namespace brelvane {

bool IsFormObject(const TAutoObject& object) {
    return (object.Kind == okEdit || object.Kind == okRadioButton || object.Kind == okCheckBox) &&
           object.Payload && object.Payload->TabOrder();
}

std::vector<TAutoObject*> FormKeyboardOrder(const TAutoObjects& objects) {
    std::vector<TAutoObject*> pending;
    for (const auto& object : objects)
        if (IsFormObject(*object)) pending.push_back(object.get());
    std::vector<TAutoObject*> order;
    order.reserve(pending.size());
    for (std::int32_t v = 0; v < static_cast<std::int32_t>(objects.size()); ++v) {
        const auto first = std::find_if(pending.begin(), pending.end(), [v](TAutoObject* object) {
            return *object->Payload->TabOrder() == v;
        });
        if (first == pending.end()) continue;
        order.push_back(*first);
        pending.erase(first);
    }
    order.insert(order.end(), pending.begin(), pending.end());
    return order;
}

TAutoObject* AdvanceTarget(const std::vector<TAutoObject*>& order, const TAutoObject& edit,
                           std::size_t length) {
    const auto* payload = dynamic_cast<const TEditPayload*>(edit.Payload.get());
    if (!payload || payload->MaxLength <= 0 ||
        length < static_cast<std::size_t>(payload->MaxLength))
        return nullptr;
    const auto at = std::find(order.begin(), order.end(), &edit);
    if (at == order.end() || at + 1 == order.end()) return nullptr;
    TAutoObject* next = *(at + 1);
    return next->Kind == okEdit ? next : nullptr;
}

} // namespace brelvane
