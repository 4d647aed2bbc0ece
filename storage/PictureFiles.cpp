#include "storage/PictureFiles.h"

namespace brelvane {

TPicture PictureOfFileBytes(std::vector<std::uint8_t> bytes) {
    TPicture picture;
    for (auto kind : {TPictureKind::Png, TPictureKind::Jpeg, TPictureKind::Gif,
                      TPictureKind::Bitmap, TPictureKind::Icon, TPictureKind::Metafile})
        if (HasPictureSignature(kind, bytes)) {
            picture.Kind = kind;
            picture.Data = std::move(bytes);
            break;
        }
    return picture;
}

} // namespace brelvane
