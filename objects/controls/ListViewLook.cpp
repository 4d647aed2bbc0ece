#include "objects/controls/ListViewLook.h"

namespace brelvane {

void ApplyViewColors(QAbstractItemView& view, const QColor& background, const QColor& text,
                     bool hideSelection) {
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    const QPalette active = palette;
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     hideSelection ? background
                                   : active.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     hideSelection ? text
                                   : active.color(QPalette::Active, QPalette::HighlightedText));
    view.setPalette(palette);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setFocusPolicy(Qt::ClickFocus);
}

bool IsClickKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace brelvane
