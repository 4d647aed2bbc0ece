#include "objects/controls/ListViewLook.h"

#include "render/FontConversion.h"
#include "render/SystemColors.h"

namespace brelvane {

void ApplyViewLook(QAbstractItemView& view, const TFont& font, std::int32_t color,
                   std::uint8_t border, bool hideSelection) {
    view.setFont(ToQFont(font));
    view.setFrameShape(border == 0 ? QFrame::NoFrame : QFrame::StyledPanel);
    const QColor background = ResolveColor(color);
    const QColor text = FontColor(font);
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

void SetUpNodeTree(QTreeWidget& tree) {
    tree.setHeaderHidden(true);
    tree.setColumnCount(1);
    tree.setSelectionMode(QAbstractItemView::SingleSelection);
}

bool IsClickKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace brelvane
