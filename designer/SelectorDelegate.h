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

// Draws the items of `ComboBox1` (`ComboBox1DrawItem`): the icon, the name
// and the kind name in brackets, "[Button] [Hide]" for a hidden object.
class TSelectorDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace brelvane
