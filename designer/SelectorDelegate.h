#pragma once

#include <QIcon>
#include <QStyledItemDelegate>
#include <cstdint>

namespace brelvane {

// Item data of the object selector: the grey kind name and the hidden flag.
inline constexpr int kKindNameRole = Qt::UserRole + 1;
inline constexpr int kHiddenRole = Qt::UserRole + 2;

// The small icon of a page kind or object kind; hidden objects get the
// hidden icon instead.
QIcon SelectorIcon(std::uint8_t kind, bool page, bool shown);

// Where and in which colours an item of the selector is drawn.
struct TSelectorItemLook {
    QRect Icon;
    QRect Name;
    QColor NameColor;
    QRect Kind;
    // "[Button]", or "[Button] [Hide]" for a hidden object.
    QString KindText;
    QColor KindColor;
};
TSelectorItemLook SelectorItemLook(const QModelIndex& index, const QRect& rect,
                                   const QPalette& palette, const QFontMetrics& metrics,
                                   bool highlighted);

// `ComboBox1DrawItem`: one item of the selector, in its drop-down list and in
// the closed box: the icon, the name and the kind name in brackets.
void ComboBox1DrawItem(QPainter& painter, const QModelIndex& index, const QRect& rect,
                       const QPalette& palette, const QFontMetrics& metrics, bool highlighted);

// Draws the selector's drop-down items.
class TSelectorDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace brelvane
