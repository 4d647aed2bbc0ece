#include "objects/records/CheckGroups.h"

#include "objects/records/ObjectKinds.h"

#include <algorithm>
#include <string>
#include <vector>

namespace brelvane {

namespace {
bool TogglesInGroup(const TAutoObject& object) {
    return (object.Kind == okImageButton || object.Kind == okImage ||
            object.Kind == okSimpleText) &&
           object.Props.CheckStyleInGroup && !object.Props.GroupName.empty();
}

void SetChecked(TAutoObject& object, bool checked) {
    if (object.Props.Checked == checked) return;
    object.Props.Checked = checked;
    if (object.Control) object.Control->Refresh();
}
} // namespace

std::vector<std::pair<TAutoObject*, int>> ButtonGroups(const TAutoObjects& objects) {
    std::vector<std::string> names;
    for (const auto& object : objects) {
        const auto& name = object->Props.GroupName;
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    std::vector<std::pair<TAutoObject*, int>> groups;
    for (const auto& object : objects) {
        if (object->Kind != okButton || !object->Props.CheckStyleInGroup ||
            object->Props.GroupName.empty())
            continue;
        const auto position = std::find(names.begin(), names.end(), object->Props.GroupName);
        groups.emplace_back(object.get(), static_cast<int>(position - names.begin()) + 1);
    }
    return groups;
}

void ApplyCheckGroupClick(TAutoObjects& objects, TAutoObject& clicked) {
    if (!TogglesInGroup(clicked)) return;
    for (auto& object : objects)
        if (object.get() != &clicked && object->Kind == clicked.Kind &&
            object->Props.CheckStyleInGroup && object->Props.GroupName == clicked.Props.GroupName)
            SetChecked(*object, false);
    SetChecked(clicked, true);
}

void ApplyCheckGroupsAfterLoad(TAutoObjects& objects) {
    // Taken before any rule runs: the rule unchecks later objects, which must
    // still get their turn so that the last checked one wins.
    std::vector<TAutoObject*> checked;
    for (auto& object : objects)
        if (object->Props.Checked) checked.push_back(object.get());
    for (auto* object : checked)
        ApplyCheckGroupClick(objects, *object);
}

} // namespace brelvane
