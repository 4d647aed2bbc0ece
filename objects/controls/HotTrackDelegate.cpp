#include "objects/controls/HotTrackDelegate.h"

#include "objects/records/ListViewPayload.h"

#include <QAbstractItemView>

namespace brelvane {

THotTrackDelegate::THotTrackDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), view_(view) {
    view->setMouseTracking(true);
    view->viewport()->setAttribute(Qt::WA_Hover);
    QObject::connect(view, &QAbstractItemView::entered, view, [this] {
        if (hotTrack_ && (styles_ & htHandPoint))
            view_->viewport()->setCursor(Qt::PointingHandCursor);
    });
    QObject::connect(view, &QAbstractItemView::viewportEntered, view,
                     [this] { view_->viewport()->unsetCursor(); });
}

void THotTrackDelegate::SetHotTrack(bool hotTrack, std::uint8_t styles) {
    hotTrack_ = hotTrack;
    styles_ = styles;
    if (!hotTrack_) view_->viewport()->unsetCursor();
}

void THotTrackDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!hotTrack_) return;
    const bool hot = option->state & QStyle::State_MouseOver;
    if ((hot && (styles_ & htUnderlineHot)) || (!hot && (styles_ & htUnderlineCold)))
        option->font.setUnderline(true);
}

} // namespace brelvane
