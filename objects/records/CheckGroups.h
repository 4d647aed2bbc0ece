#pragma once

#include "objects/records/AutoObject.h"

#include <utility>
#include <vector>

namespace brelvane {

// Buttons with CheckStyleInGroup get a native button group: the position of
// their GroupName among the distinct non-empty group names of all objects, in
// first-appearance order, plus one. Buttons without a group name get none.
std::vector<std::pair<TAutoObject*, int>> ButtonGroups(const TAutoObjects& objects);

// Image buttons, images and SimpleTexts: a click on a grouped check-style
// object unchecks every other check-style object of the same kind and group
// and checks the clicked one. Controls of changed objects are refreshed.
void ApplyCheckGroupClick(TAutoObjects& objects, TAutoObject& clicked);

// After loading: the click rule for every checked object in page order, so
// that of several checked objects the last one stays checked.
void ApplyCheckGroupsAfterLoad(TAutoObjects& objects);

} // namespace brelvane
