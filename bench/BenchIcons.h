#pragma once

#include "storage/PictureBlock.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

namespace brelvane::bench {

// A 16 x 16 PNG icon in one of nine hues, as list items and tree nodes carry.
inline TPicture Icon(int index) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor::fromHsv(index * 40 % 360, 200, 220));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {TPictureKind::Png, {bytes.begin(), bytes.end()}};
}

} // namespace brelvane::bench
