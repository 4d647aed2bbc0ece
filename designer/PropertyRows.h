#pragma once

#include "designer/RowFactory.h"

#include <cstdint>

namespace brelvane {

struct TCommand;

// The rows of the property list, section by section, for the page or one
// object. Each builder appends to `rows`.

// The page's own rows, then its bars rows.
void AddPageRows(TRowContext& context, TPropertyRows& rows);
// The comment, sounds, position and action sections, of the object in the
// context or of the page.
void AddCommentRows(TRowContext& context, TPropertyRows& rows);
void AddSoundRows(TRowContext& context, TPropertyRows& rows);
void AddPositionRows(TRowContext& context, TPropertyRows& rows);
void AddActionRows(TRowContext& context, TCommand& action, TPropertyRows& rows);
// Objects only; the two check-group rows when `checkGroup`.
void AddVisibilityRows(TRowContext& context, bool checkGroup, TPropertyRows& rows);

// The kind's own rows, beginning with "Name"; false for a kind that has no
// table (its payload cannot be stored yet).
bool AddKindRows(TRowContext& context, TPropertyRows& rows);
bool HasKindRows(std::uint8_t kind);
// Kinds 0, 1, 2 and 17 have the check-group rows.
bool HasCheckGroupRows(std::uint8_t kind);

// Every row of the page or of the context's object, in list order.
TPropertyRows PropertyRowsOf(TRowContext& context);

} // namespace brelvane
