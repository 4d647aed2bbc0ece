#include "render/PictureModes.h"

#include <QPainter>

namespace brelvane {

void DrawPictureInMode(QImage& target, const QImage& image, std::uint8_t mode) {
    QPainter painter(&target);
    const QRect area = target.rect();
    switch (mode) {
    case 0:
        painter.fillRect(area, QBrush(image));
        break;
    case 1:
        // Pictures with transparent parts (icons) show what was drawn before.
        painter.drawImage(area, image);
        break;
    case 2:
        painter.drawImage((area.width() - image.width()) / 2, (area.height() - image.height()) / 2,
                          image);
        break;
    default:
        painter.drawImage(0, 0, image);
        break;
    }
}

} // namespace brelvane
