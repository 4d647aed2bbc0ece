#pragma once

#include <QAbstractItemView>
#include <QColor>

namespace brelvane {

// Looks every list view and tree view shares: the background colour, the
// selection hidden while another control has the focus, captions that cannot
// be edited, and keys that act as a click.
void ApplyViewColors(QAbstractItemView& view, const QColor& background, const QColor& text,
                     bool hideSelection);

// Enter, Return and Space act as a click in list views and tree views.
bool IsClickKey(int key);

} // namespace brelvane
