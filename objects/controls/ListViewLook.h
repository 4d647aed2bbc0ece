#pragma once

#include "storage/FontBlock.h"

#include <QAbstractItemView>
#include <QColor>
#include <QTreeWidget>
#include <cstdint>

namespace brelvane {

// Looks every list view and tree view shares: the font, the background
// colour, the border (0 none, 1 single), the selection hidden while another
// control has the focus, and captions that cannot be edited.
void ApplyViewLook(QAbstractItemView& view, const TFont& font, std::int32_t color,
                   std::uint8_t border, bool hideSelection);

// A tree of one column without a header, one node selected at a time.
void SetUpNodeTree(QTreeWidget& tree);

// Enter, Return and Space act as a click in list views and tree views.
bool IsClickKey(int key);

} // namespace brelvane
