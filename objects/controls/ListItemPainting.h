#pragma once

#include "objects/records/ListItem.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <map>
#include <utility>
#include <vector>

namespace brelvane {

// The item geometry the list box and the drop-down list share.
struct TItemMetrics {
    int ItemHeight = 19;
    int IconWidth = 16;
    int IconHeight = 16;
};

// The item's icon as it is drawn (a bitmap with its colour key), scaled to
// `size` once; a null image for an empty or damaged icon.
QImage ScaledItemIcon(const TPicture& icon, QSize size);

// Draws one owner-drawn item into `rect`: the background, the icon (already
// scaled; null draws nothing) at the item margin m = (ItemHeight − IconHeight)
// / 2, which may be negative so that a tall icon starts above the item, and
// the caption at IconWidth + 2m + 1, clipped to the right of the icon.
void PaintListItem(QPainter& painter, const QRect& rect, const TItemMetrics& metrics,
                   const QImage& scaledIcon, const QString& caption, const QColor& background,
                   const QColor& textColor);

// One image cell of a list view or tree view: `background` filled, the icon
// stretched into the cell inset by `inset` pixels, or without an icon a
// silver rectangle along that inset rectangle.
QImage ListIconCell(QSize cell, const QColor& background, const TPicture* icon, int inset);

// The image cells of one rebuild: every distinct icon is decoded and drawn
// into its cell once, however many items carry it.
class TIconCells {
public:
    struct TCell {
        QImage Image;
        QIcon Icon;
    };
    TIconCells(QSize cell, const QColor& background, int inset)
        : cell_(cell), background_(background), inset_(inset) {}
    const TCell& CellOf(const TPicture* icon);

private:
    QSize cell_;
    QColor background_;
    int inset_;
    std::map<std::pair<TPictureKind, std::vector<std::uint8_t>>, TCell> cells_;
};

} // namespace brelvane
