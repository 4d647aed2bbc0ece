#include "objects/controls/AABackdrop.h"

#include "render/PictureModes.h"
#include "render/SystemColors.h"

#include <QPainter>
#include <QWidget>

namespace brelvane {

void TAABackdrop::Set(const TCustomParam& param) {
    color_ = ResolveColor(param.BackColor);
    mode_ = param.BackGroundMode;
    picture_ = param.BackGround.Empty() ? nullptr : PictureImageOf(param.BackGround);
}

void TAABackdrop::Paint(QImage& picture) const {
    picture.fill(color_);
    if (!picture_ || picture_->Empty()) return;
    const QImage image = DrawnFrame(*picture_, 0, false);
    if (image.isNull()) return;
    DrawPictureInMode(picture, image, mode_);
}

QImage ContentBehind(const QWidget& control) {
    QImage picture(control.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(control.palette().color(QPalette::Window));
    QWidget* parent = control.parentWidget();
    if (!parent) return picture;
    QPainter painter(&picture);
    const QRect area = control.geometry();
    parent->render(&painter, QPoint(), QRegion(area), QWidget::DrawWindowBackground);
    for (QObject* child : parent->children()) {
        if (child == &control) break;
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!sibling || sibling->isWindow() || !sibling->isVisibleTo(parent) ||
            !sibling->geometry().intersects(area))
            continue;
        sibling->render(&painter, sibling->pos() - area.topLeft(), QRegion(),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return picture;
}

} // namespace brelvane
