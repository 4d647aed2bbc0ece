#pragma once

#include "objects/records/AutoObject.h"

#include <cstddef>
#include <vector>

namespace brelvane {

// Edit boxes, radio buttons and check boxes: the objects with a keyboard order.
bool IsFormObject(const TAutoObject& object);

// The page's form objects in the keyboard order its designer gave them,
// whatever order they were loaded in: for v = 0 up to the number of objects
// - 1, the first form object in page order whose stored order is v; then the
// form objects that got no place, in page order. An object's position in this
// list is its tab order on the running page.
std::vector<TAutoObject*> FormKeyboardOrder(const TAutoObjects& objects);

// The edit box the focus moves on to once the text of `edit` has reached
// `length` characters: the next one in `order` when `edit` has a maximum
// length, has reached it, and the next form object is an edit box. Null when
// the focus stays.
TAutoObject* AdvanceTarget(const std::vector<TAutoObject*>& order, const TAutoObject& edit,
                           std::size_t length);

} // namespace brelvane
