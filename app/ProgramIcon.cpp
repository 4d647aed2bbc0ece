#include "app/ProgramIcon.h"

#include "storage/IcoCodec.h"
#include "storage/PictureCodecs.h"
#include "storage/exe/MainIcon.h"

#include <QPixmap>

namespace brelvane {

QIcon ProgramIcon(const std::string& programPath) {
    const auto file = ReadMainIcon(programPath);
    QIcon icon;
    if (file.empty()) return icon;
    try {
        for (const auto& entry : DecodeIconEntries(file)) {
            const auto& raster = entry.Image;
            // The pixels are laid out as Format_ARGB32; copy them out of the vector.
            const QImage image(reinterpret_cast<const uchar*>(raster.Pixels.data()), raster.Width,
                               raster.Height, raster.Width * 4, QImage::Format_ARGB32);
            icon.addPixmap(QPixmap::fromImage(image.copy()));
        }
    } catch (const PictureDecodeError&) {
        return QIcon();
    }
    return icon;
}

} // namespace brelvane
