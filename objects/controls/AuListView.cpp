#include "objects/controls/AuListView.h"

#include "objects/controls/HotTrackDelegate.h"
#include "objects/controls/ListItemPainting.h"
#include "objects/controls/ListViewLook.h"
#include "objects/records/TreeViewPayload.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace brelvane {

namespace {
// Which stored item a row of the view shows, whatever the sort order.
constexpr int kItemIndexRole = Qt::UserRole + 1;

Qt::Alignment ColumnAlignment(std::uint8_t alignment) {
    switch (alignment) {
    case caRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case caCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// The icon an item shows: its own, else the icon of the tree node it stands for.
const TPicture* ShownIcon(const TListBoxItem& item) {
    if (!item.Icon.Empty()) return &item.Icon;
    if (item.TreeNode && !item.TreeNode->Item.Icon.Empty()) return &item.TreeNode->Item.Icon;
    return nullptr;
}

bool SortsByText(std::uint8_t sortType) {
    return sortType == stText || sortType == stBoth;
}
} // namespace

TAuListView::TAuListView(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), frame_(new QWidget(this)),
      layout_(new QVBoxLayout(frame_)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    SetInner(frame_);
    Refresh();
}

void TAuListView::EnsureView(std::uint8_t viewStyle) {
    const int wanted = viewStyle == vsReport ? vsReport : vsIcon;
    if (view_ && (viewStyle_ == vsReport) == (wanted == vsReport)) return;
    delete view_;
    if (wanted == vsReport) {
        auto* table = new QTableWidget(frame_);
        table->verticalHeader()->hide();
        table->setWordWrap(false);
        view_ = table;
    } else {
        view_ = new QListWidget(frame_);
    }
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    delegate_ = new THotTrackDelegate(view_);
    view_->setItemDelegate(delegate_);
    layout_->addWidget(view_);
    frame_->setFocusProxy(view_);
    view_->installEventFilter(this);
    AddPointerSource(view_->viewport());
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TAuListView::OnCurrentChanged);
    viewStyle_ = wanted;
}

void TAuListView::Refresh() {
    const auto* payload = PayloadAs<TListViewPayload>();
    if (!payload) return;
    EnsureView(payload->ViewStyle);
    ApplyViewLook(*view_, payload->Font, payload->Color, payload->Border, payload->HideSelection);
    delegate_->SetHotTrack(payload->HotTrack, payload->HotTrackStyles);
    view_->setIconSize(QSize(payload->IconWidth, payload->IconHeight));
    RebuildListIcons();
    ApplyGeometry();
}

void TAuListView::RebuildListIcons() {
    auto* payload = PayloadAs<TListViewPayload>();
    if (!payload) return;
    // The items are new: none of them is selected.
    payload->SelectedIndex = -1;
    images_.clear();
    TIconCells cells(QSize(payload->IconWidth, payload->IconHeight), ResolveColor(payload->Color),
                     0);
    for (const auto& item : payload->Items)
        images_.push_back(cells.CellOf(ShownIcon(item)).Image);
    const QSignalBlocker blocker(view_->selectionModel());
    if (payload->ViewStyle == vsReport)
        FillReport(*payload);
    else
        FillIconView(*payload);
}

void TAuListView::FillIconView(const TListViewPayload& payload) {
    auto* list = static_cast<QListWidget*>(view_);
    list->clear();
    switch (payload.ViewStyle) {
    case vsIcon:
        list->setViewMode(QListView::IconMode);
        list->setFlow(QListView::LeftToRight);
        break;
    case vsSmallIcon:
        list->setViewMode(QListView::ListMode);
        list->setFlow(QListView::LeftToRight);
        break;
    default:
        list->setViewMode(QListView::ListMode);
        list->setFlow(QListView::TopToBottom);
        break;
    }
    // Icons are arranged automatically and never dragged about.
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setMovement(QListView::Static);
    for (std::size_t i = 0; i < payload.Items.size(); ++i) {
        auto* entry =
            new QListWidgetItem(QPixmap::fromImage(images_[i]), FromAnsi(payload.Items[i].Caption));
        entry->setData(kItemIndexRole, static_cast<int>(i));
        list->addItem(entry);
    }
    if (SortsByText(payload.SortType)) list->sortItems();
}

void TAuListView::FillReport(const TListViewPayload& payload) {
    auto* table = static_cast<QTableWidget*>(view_);
    table->clear();
    table->setShowGrid(payload.ReportGridLines);
    table->setSelectionBehavior(payload.ReportRowSelect ? QAbstractItemView::SelectRows
                                                        : QAbstractItemView::SelectItems);
    table->horizontalHeader()->setVisible(payload.ShowColumnHeaders);
    table->setColumnCount(static_cast<int>(payload.Columns.size()));
    table->setRowCount(static_cast<int>(payload.Items.size()));
    for (std::size_t c = 0; c < payload.Columns.size(); ++c) {
        const auto& column = payload.Columns[c];
        auto* header = new QTableWidgetItem(FromAnsi(column.Caption));
        header->setTextAlignment(ColumnAlignment(column.Alignment));
        table->setHorizontalHeaderItem(static_cast<int>(c), header);
        table->setColumnWidth(static_cast<int>(c), std::max(0, column.Width));
    }
    for (std::size_t i = 0; i < payload.Items.size(); ++i) {
        const int row = static_cast<int>(i);
        const auto& item = payload.Items[i];
        auto* caption =
            new QTableWidgetItem(QIcon(QPixmap::fromImage(images_[i])), FromAnsi(item.Caption));
        caption->setData(kItemIndexRole, row);
        caption->setFlags(caption->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, 0, caption);
        const auto lines = SubItemLines(item.SubItems);
        for (std::size_t s = 0; s < lines.size() && s + 1 < payload.Columns.size(); ++s) {
            auto* cell = new QTableWidgetItem(FromAnsi(lines[s]));
            cell->setTextAlignment(ColumnAlignment(payload.Columns[s + 1].Alignment));
            cell->setData(kItemIndexRole, row);
            table->setItem(row, static_cast<int>(s + 1), cell);
        }
        table->setRowHeight(row, std::max(table->fontMetrics().height(), payload.IconHeight) + 2);
    }
    if (SortsByText(payload.SortType)) table->sortItems(0);
}

void TAuListView::SelectItem(int index) {
    const auto* model = view_->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex at = model->index(row, 0);
        if (at.data(kItemIndexRole).toInt() == index) {
            view_->setCurrentIndex(at);
            return;
        }
    }
    view_->selectionModel()->clear();
    if (auto* payload = PayloadAs<TListViewPayload>()) payload->SelectedIndex = -1;
}

void TAuListView::OnCurrentChanged() {
    auto* payload = PayloadAs<TListViewPayload>();
    if (!payload) return;
    const QModelIndex current = view_->currentIndex();
    payload->SelectedIndex = current.isValid() ? current.data(kItemIndexRole).toInt() : -1;
}

bool TAuListView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        IsClickKey(static_cast<QKeyEvent*>(event)->key())) {
        emit Clicked(this);
        return true;
    }
    return TInnerWidgetControl::eventFilter(watched, event);
}

} // namespace brelvane
