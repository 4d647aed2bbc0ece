#include "objects/controls/AuItemList.h"

#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace brelvane {

void TItemListDelegate::Reset(const TItemList& list, const QColor& background,
                              const QColor& textColor) {
    metrics_ = {list.ItemHeight, list.IconWidth, list.IconHeight};
    background_ = background;
    textColor_ = textColor;
    icons_.clear();
    const QSize iconSize(list.IconWidth, list.IconHeight);
    for (const auto& item : list.Items)
        icons_.push_back(ScaledItemIcon(item.Icon, iconSize));
}

void TItemListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const int row = index.row();
    if (row < 0 || static_cast<std::size_t>(row) >= icons_.size()) return;
    const bool selected = option.state & QStyle::State_Selected;
    painter->setFont(option.font);
    PaintListItem(*painter, option.rect, metrics_, icons_[static_cast<std::size_t>(row)],
                  index.data(Qt::DisplayRole).toString(),
                  selected ? option.palette.color(QPalette::Highlight) : background_,
                  selected ? option.palette.color(QPalette::HighlightedText) : textColor_);
}

QSize TItemListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), std::max(1, metrics_.ItemHeight)};
}

namespace {
QPalette ListPalette(QPalette palette, std::int32_t color, const TFont& font) {
    palette.setColor(QPalette::Base, ResolveColor(color));
    palette.setColor(QPalette::Text, FontColor(font));
    return palette;
}
} // namespace

TAuListBox::TAuListBox(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), list_(new QListWidget(this)),
      delegate_(new TItemListDelegate(list_)) {
    list_->setItemDelegate(delegate_);
    list_->setUniformItemSizes(true);
    list_->setFocusPolicy(Qt::ClickFocus);
    SetInner(list_);
    AddPointerSource(list_->viewport());
    connect(list_, &QListWidget::currentRowChanged, this, &TAuListBox::OnRowChanged);
    Refresh();
}

void TAuListBox::Refresh() {
    const auto* payload = PayloadAs<TListBoxPayload>();
    if (!payload) return;
    const QSignalBlocker blocker(list_);
    list_->setFont(ToQFont(payload->Font));
    list_->setPalette(ListPalette(list_->palette(), payload->Color, payload->Font));
    list_->setFrameShape(payload->Border == lbNone ? QFrame::NoFrame : QFrame::StyledPanel);
    delegate_->Reset(*payload, ResolveColor(payload->Color), FontColor(payload->Font));
    list_->clear();
    for (const auto& item : payload->Items)
        list_->addItem(FromAnsi(item.Caption));
    list_->setCurrentRow(payload->SelectedItem() ? payload->SelectedIndex : -1);
    if (!payload->SelectedItem()) list_->clearSelection();
    ApplyGeometry();
}

void TAuListBox::OnRowChanged(int row) {
    if (auto* payload = PayloadAs<TListBoxPayload>()) payload->SelectedIndex = row;
}

TAuComboBox::TAuComboBox(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), combo_(new QComboBox(this)),
      delegate_(new TItemListDelegate(combo_)) {
    combo_->setEditable(false);
    // Styles that pop up a menu-like list ignore the row limit: ask for the
    // list-style pop-up so that DropDownCount rows show.
    combo_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    combo_->setItemDelegate(delegate_);
    combo_->setFocusPolicy(Qt::ClickFocus);
    SetInner(combo_);
    SetClickOnRelease(false);
    connect(combo_, &QComboBox::currentIndexChanged, this, &TAuComboBox::OnIndexChanged);
    // Choosing from the pop-up is the click on a drop-down list.
    connect(combo_, &QComboBox::activated, this, [this] { emit Clicked(this); });
    Refresh();
}

void TAuComboBox::Refresh() {
    const auto* payload = PayloadAs<TDropDownListPayload>();
    if (!payload) return;
    const QSignalBlocker blocker(combo_);
    combo_->setFont(ToQFont(payload->Font));
    combo_->setPalette(ListPalette(combo_->palette(), payload->Color, payload->Font));
    delegate_->Reset(*payload, ResolveColor(payload->Color), FontColor(payload->Font));
    combo_->clear();
    // The closed box shows the chosen item's icon too.
    const QSize iconSize(payload->IconWidth, payload->IconHeight);
    for (const auto& item : payload->Items)
        combo_->addItem(QIcon(QPixmap::fromImage(ScaledItemIcon(item.Icon, iconSize))),
                        FromAnsi(item.Caption));
    combo_->setIconSize(iconSize);
    combo_->setMaxVisibleItems(std::max(1, payload->DropDownCount));
    combo_->setCurrentIndex(payload->SelectedItem() ? payload->SelectedIndex : -1);
    ApplyGeometry();
}

void TAuComboBox::OnIndexChanged(int index) {
    if (auto* payload = PayloadAs<TDropDownListPayload>()) payload->SelectedIndex = index;
}

} // namespace brelvane
