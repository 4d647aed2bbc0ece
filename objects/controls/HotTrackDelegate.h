#pragma once

#include <QStyledItemDelegate>
#include <cstdint>

class QAbstractItemView;

namespace brelvane {

// The hot-tracking look of list views: captions underlined while the pointer
// is over them, or while it is not, and a hand over items.
class THotTrackDelegate final : public QStyledItemDelegate {
public:
    explicit THotTrackDelegate(QAbstractItemView* view);
    // `styles` is the set of hot-track bits; without `hotTrack` nothing changes.
    void SetHotTrack(bool hotTrack, std::uint8_t styles);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QAbstractItemView* view_;
    bool hotTrack_ = false;
    std::uint8_t styles_ = 0;
};

} // namespace brelvane
