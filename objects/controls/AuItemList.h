#pragma once

#include "objects/controls/InnerWidgetControl.h"
#include "objects/controls/ListItemPainting.h"
#include "objects/records/ItemListPayloads.h"

#include <QStyledItemDelegate>
#include <vector>

class QComboBox;
class QListWidget;

namespace brelvane {

// Draws the items of a list box or drop-down list by their owner-drawn rule,
// with the icons scaled once per refresh.
class TItemListDelegate final : public QStyledItemDelegate {
public:
    explicit TItemListDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    void Reset(const TItemList& list, const QColor& background, const QColor& textColor);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TItemMetrics metrics_;
    std::vector<QImage> icons_;
    QColor background_;
    QColor textColor_;
};

// Kind 20: the list box.
class TAuListBox final : public TInnerWidgetControl {
    Q_OBJECT
public:
    TAuListBox(TAutoObject& object, QWidget* parent);
    void Refresh() override;
    QListWidget* List() const { return list_; }

private:
    void OnRowChanged(int row);

    QListWidget* list_;
    TItemListDelegate* delegate_;
};

// Kind 21: the drop-down list, chosen from, never typed into.
class TAuComboBox final : public TInnerWidgetControl {
    Q_OBJECT
public:
    TAuComboBox(TAutoObject& object, QWidget* parent);
    void Refresh() override;
    QComboBox* Combo() const { return combo_; }

private:
    void OnIndexChanged(int index);

    QComboBox* combo_;
    TItemListDelegate* delegate_;
};

} // namespace brelvane
