#pragma once

#include "objects/controls/InnerWidgetControl.h"
#include "objects/records/ListViewPayload.h"

#include <QImage>
#include <vector>

class QAbstractItemView;
class QVBoxLayout;

namespace brelvane {

class THotTrackDelegate;

// Kind 22: items with icons of one image cell size, shown as large icons,
// small icons, a list or a report with columns.
class TAuListView final : public TInnerWidgetControl {
    Q_OBJECT
public:
    TAuListView(TAutoObject& object, QWidget* parent);
    void Refresh() override;

    // Rebuilds the image list, the captions and the sub-items from the items.
    void RebuildListIcons();
    // The image list: one cell per item, in item order.
    const std::vector<QImage>& Images() const { return images_; }
    QAbstractItemView* View() const { return view_; }
    // Selects the item at `index` (-1: none), as a click on it would.
    void SelectItem(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes the view that fits the view style when it changed.
    void EnsureView(std::uint8_t viewStyle);
    void FillIconView(const TListViewPayload& payload);
    void FillReport(const TListViewPayload& payload);
    void OnCurrentChanged();

    QWidget* frame_;
    QVBoxLayout* layout_;
    QAbstractItemView* view_ = nullptr;
    THotTrackDelegate* delegate_ = nullptr;
    int viewStyle_ = -1;
    std::vector<QImage> images_;
};

} // namespace brelvane
