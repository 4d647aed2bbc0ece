#include "objects/controls/SlidePicture.h"

#include "render/PictureImage.h"
#include "render/TransitionComposer.h"

#include <QFile>
#include <QImageReader>

namespace brelvane {

namespace {
// Metafiles are kept as bytes: our own decoder gives them their size.
QImage MetafileImage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    TPicture picture{TPictureKind::Metafile, {bytes.begin(), bytes.end()}};
    if (!HasPictureSignature(TPictureKind::Metafile, picture.Data)) return {};
    const auto image = PictureImageOf(picture);
    return image->Empty() ? QImage() : image->Frames.front();
}
} // namespace

QImage LoadSlidePicture(const std::string& path, QSize box, int imageStyle, std::string& error) {
    const auto name = QString::fromStdString(path);
    QImageReader reader(name);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid()) {
        const QRect target = FittedPictureRect(size, box, imageStyle);
        // Decoding at the shown size costs a fraction of the whole picture.
        if (target.width() < size.width() && target.height() < size.height())
            reader.setScaledSize(target.size());
    }
    QImage image = reader.read();
    if (image.isNull()) image = MetafileImage(name);
    if (image.isNull())
        error = "The picture \"" + path +
                "\" cannot be shown: " + reader.errorString().toStdString() + ".";
    return image;
}

} // namespace brelvane
