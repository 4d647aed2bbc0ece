#pragma once

#include <Qt>
#include <optional>

namespace brelvane {

class TObjectWidget;

// The standard cursor a stored cursor number names (the numbers of the
// standard cursor table: -1 none, -2 arrow, ... -22 size-all); nothing for 0
// (the control's default) and for numbers outside the table.
std::optional<Qt::CursorShape> StandardCursorShape(int number);

// Gives the control the standard cursor its record's payload stores, if any.
void ApplyStoredCursor(TObjectWidget& control);

} // namespace brelvane
