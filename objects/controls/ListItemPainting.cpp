#include "objects/controls/ListItemPainting.h"

#include "render/PictureImage.h"

namespace brelvane {

namespace {
const QColor kSilver(192, 192, 192);

QImage DrawnIcon(const TPicture& icon) {
    if (icon.Empty()) return {};
    const auto image = PictureImageOf(icon);
    if (image->Empty()) return {};
    // List icons are always drawn transparent: a bitmap keys out its corner colour.
    return DrawnFrame(*image, 0, true);
}
} // namespace

QImage ScaledItemIcon(const TPicture& icon, QSize size) {
    if (size.width() <= 0 || size.height() <= 0) return {};
    const QImage drawn = DrawnIcon(icon);
    if (drawn.isNull()) return {};
    return drawn.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PaintListItem(QPainter& painter, const QRect& rect, const TItemMetrics& metrics,
                   const QImage& scaledIcon, const QString& caption, const QColor& background,
                   const QColor& textColor) {
    painter.save();
    painter.fillRect(rect, background);
    const int m = (metrics.ItemHeight - metrics.IconHeight) / 2;
    const QRect iconRect(rect.left() + m, rect.top() + m, metrics.IconWidth, metrics.IconHeight);
    if (!scaledIcon.isNull()) painter.drawImage(iconRect, scaledIcon);

    const int th = painter.fontMetrics().height();
    const int x = rect.left() + metrics.IconWidth + 2 * m + 1;
    const int y = rect.top() + metrics.ItemHeight / 2 - th / 2;
    // The clip starts one pixel right of the icon's exclusive right edge.
    const int clipLeft = iconRect.left() + metrics.IconWidth + 1;
    const QRect clip(QPoint(clipLeft, y), QPoint(rect.right(), y + th - 1));
    painter.setClipRect(clip);
    painter.setPen(textColor);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), caption);
    painter.restore();
}

QImage ListIconCell(QSize cell, const QColor& background, const TPicture* icon, int inset) {
    QImage image(cell.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    const QRect inner = image.rect().adjusted(inset, inset, -inset, -inset);
    QPainter painter(&image);
    if (icon && !icon->Empty()) {
        // A damaged icon draws nothing over the background.
        const QImage scaled = ScaledItemIcon(*icon, inner.size());
        if (!scaled.isNull()) painter.drawImage(inner.topLeft(), scaled);
    } else {
        painter.setPen(kSilver);
        painter.setBrush(background);
        painter.drawRect(inner.adjusted(0, 0, -1, -1));
    }
    return image;
}

const TIconCells::TCell& TIconCells::CellOf(const TPicture* icon) {
    auto key = icon ? std::make_pair(icon->Kind, icon->Data)
                    : std::make_pair(TPictureKind::None, std::vector<std::uint8_t>{});
    auto found = cells_.find(key);
    if (found == cells_.end()) {
        QImage image = ListIconCell(cell_, background_, icon, inset_);
        QIcon shown(QPixmap::fromImage(image));
        found = cells_.emplace(std::move(key), TCell{std::move(image), std::move(shown)}).first;
    }
    return found->second;
}

} // namespace brelvane
