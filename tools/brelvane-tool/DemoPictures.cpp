#include "DemoPictures.h"

#include <QBuffer>

namespace brelvane {

TPicture PngPicture(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {TPictureKind::Png, {bytes.begin(), bytes.end()}};
}

} // namespace brelvane
