#include "render/MetafileImage.h"
#include "storage/MetafileInfo.h"
#include "storage/MetafileSvg.h"
#include "storage/PictureCodecs.h"

#include <QPainter>
#include <QSvgRenderer>

namespace brelvane {

// The records played into SVG, the SVG rendered.
QImage DrawnMetafile(const TPicture& picture) {
    const auto size = MetafileSize(picture.Data);
    if (!size) FailDecode("metafile", "no size in the header");
    CheckPictureSize("metafile", static_cast<std::uint64_t>(size->Width),
                     static_cast<std::uint64_t>(size->Height), kMaxPicturePixels);
    const auto svg = MetafileToSvg(picture.Data, *size);
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    if (!renderer.isValid()) FailDecode("metafile", "the drawing cannot be read");
    QImage image(size->Width, size->Height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) throw std::bad_alloc();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size->Width, size->Height));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace brelvane
