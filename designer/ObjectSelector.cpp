#include "designer/ObjectSelector.h"

#include "designer/SelectorDelegate.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace brelvane {

namespace {
constexpr int kDropDownItems = 16;
} // namespace

TObjectSelector::TObjectSelector(QWidget* parent) : QComboBox(parent) {
    setObjectName("ComboBox1");
    setMaxVisibleItems(kDropDownItems);
    setItemDelegate(new TSelectorDelegate(this));
}

void TObjectSelector::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The frame and the arrow as the style draws them; the item as the list does.
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setClipRect(field);
    ComboBox1DrawItem(painter, model()->index(currentIndex(), modelColumn(), rootModelIndex()),
                      field, palette(), fontMetrics(), false);
}

} // namespace brelvane
