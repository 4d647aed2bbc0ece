#pragma once

#include "objects/records/TextParams.h"
#include "render/PictureImage.h"

#include <QColor>
#include <QImage>
#include <memory>

class QWidget;

namespace brelvane {

// The opaque background of an anti-aliased text control's pictures: its colour
// with the background picture drawn over it by mode. The picture is decoded
// once per change of the parameter object.
class TAABackdrop {
public:
    void Set(const TCustomParam& param);
    QColor Color() const { return color_; }
    // Fills all of `picture`.
    void Paint(QImage& picture) const;

private:
    QColor color_ = Qt::white;
    std::uint8_t mode_ = bmCenter;
    std::shared_ptr<const TPictureImage> picture_;
};

// What lies behind `control` on its parent: the parent's own painting and
// every visible earlier sibling that overlaps the control, each at its place.
// The control itself and later siblings are never drawn, so no control draws
// itself while it is being painted.
QImage ContentBehind(const QWidget& control);

} // namespace brelvane
