#include "designer/SelectorDelegate.h"

#include "objects/records/ObjectKinds.h"
#include "storage/ProjectIndex.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace brelvane {

namespace {
constexpr int kItemHeight = 17;
constexpr int kIconSize = 16;

QString Initials(std::string_view name) {
    QString letters;
    bool wordStart = true;
    for (const char c : name) {
        if (c == ' ') {
            wordStart = true;
            continue;
        }
        if ((wordStart || (c >= 'A' && c <= 'Z')) && letters.size() < 2) letters += QChar(c);
        wordStart = false;
    }
    return letters;
}
} // namespace

QIcon SelectorIcon(std::uint8_t kind, bool page, bool shown) {
    // Drawn once per look: a selector of a full page lists hundreds of items.
    static QHash<int, QIcon> drawn;
    const int key = kind * 4 + (page ? 2 : 0) + (shown ? 1 : 0);
    if (const auto found = drawn.find(key); found != drawn.end()) return *found;
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = !shown ? QColor(160, 160, 160)
                         : page ? QColor(40, 100, 170)
                                : QColor(150, 90, 30);
    painter.setBrush(color);
    painter.setPen(color.darker(140));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kIconSize - 1, kIconSize - 1), 3, 3);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(8);
    font.setBold(true);
    painter.setFont(font);
    if (!shown) {
        // The hidden icon: a struck-through eye slot.
        painter.drawEllipse(QRectF(3, 5, 10, 6));
        painter.drawLine(QPointF(3, 13), QPointF(13, 3));
    } else {
        painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter,
                         Initials(page ? PageKindName(kind) : KindName(kind)));
    }
    painter.end();
    return drawn[key] = QIcon(pixmap);
}

TSelectorItemLook SelectorItemLook(const QModelIndex& index, const QRect& rect,
                                   const QPalette& palette, const QFontMetrics& metrics,
                                   bool highlighted) {
    TSelectorItemLook look;
    const bool page = index.row() == 0;
    const bool hidden = !page && index.data(kHiddenRole).toBool();
    const int top = rect.top() + (rect.height() - kIconSize) / 2;
    look.Icon = QRect(rect.left() + (page ? 0 : 8), top, kIconSize, kIconSize);
    const int nameLeft = page ? 18 : 26;
    const QString name = index.data(Qt::DisplayRole).toString();
    look.Name = QRect(rect.left() + nameLeft, rect.top(), rect.width() - nameLeft, rect.height());
    const QColor text = highlighted ? palette.highlightedText().color() : palette.text().color();
    look.NameColor = hidden && !highlighted ? QColor(Qt::gray) : text;
    const int nameWidth = metrics.horizontalAdvance(name);
    const int kindLeft = page ? 30 + std::max(nameWidth, 58) : 38 + std::max(nameWidth, 50);
    look.Kind = QRect(rect.left() + kindLeft, rect.top(), std::max(0, rect.width() - kindLeft),
                      rect.height());
    look.KindText = "[" + index.data(kKindNameRole).toString() + (hidden ? "] [Hide]" : "]");
    look.KindColor = hidden ? QColor(192, 192, 192) : highlighted ? text : QColor(Qt::gray);
    return look;
}

void ComboBox1DrawItem(QPainter& painter, const QModelIndex& index, const QRect& rect,
                       const QPalette& palette, const QFontMetrics& metrics, bool highlighted) {
    const auto look = SelectorItemLook(index, rect, palette, metrics, highlighted);
    index.data(Qt::DecorationRole).value<QIcon>().paint(&painter, look.Icon);
    painter.setPen(look.NameColor);
    painter.drawText(look.Name, Qt::AlignVCenter | Qt::AlignLeft,
                     index.data(Qt::DisplayRole).toString());
    painter.setPen(look.KindColor);
    painter.drawText(look.Kind, Qt::AlignVCenter | Qt::AlignLeft, look.KindText);
}

void TSelectorDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    const bool highlighted = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect,
                      highlighted ? option.palette.highlight() : option.palette.base());
    painter->setFont(option.font);
    ComboBox1DrawItem(*painter, index, option.rect, option.palette, option.fontMetrics,
                      highlighted);
    painter->restore();
}

QSize TSelectorDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width() + 120, kItemHeight};
}

} // namespace brelvane
