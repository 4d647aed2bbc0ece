#pragma once

#include "designer/SurfaceGeometry.h"
#include "objects/records/AutoObject.h"

#include <vector>

namespace brelvane {

class TAutoRunForm;

// The object's place: its control's geometry, or its stored bounds when it
// has no control.
TBounds BoundsOf(const TAutoObject& object);
// Moves and sizes the object, its record and its control. A control that sizes
// itself (auto size) has the last word, and the record follows it.
void SetBounds(TAutoObject& object, const TBounds& bounds);
// The control exists and is not hidden on the surface.
bool IsShown(const TAutoObject& object);

std::vector<TAutoObject*> SelectedObjects(const TAutoObjects& objects);
void SelectOnly(TAutoObjects& objects, const TAutoObject* object);

// The designer's add operation: a new object of `kind` at (left, top), the
// only one selected, with its control on the page; null for a kind this
// build cannot add.
TAutoObject* AddObject(TAutoRunForm& page, std::uint8_t kind, int left, int top);

// Objects drawn directly on the page come first and windowed controls after
// them, each group keeping its order; the controls are stacked in list order,
// so the list is always the real stacking order.
void Restack(TAutoObjects& objects);

// Moves the object to the end (front) or the start (back) of the list,
// its control with it.
void BringToFront(TAutoObjects& objects, TAutoObject& object);
void SendToBack(TAutoObjects& objects, TAutoObject& object);

} // namespace brelvane
