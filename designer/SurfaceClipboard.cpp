#include "designer/SurfaceClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace brelvane {

void PutObjectsOnClipboard(const std::vector<std::uint8_t>& data) {
    auto* mime = new QMimeData;
    mime->setData(kObjectsMimeType, QByteArray(reinterpret_cast<const char*>(data.data()),
                                               static_cast<qsizetype>(data.size())));
    QApplication::clipboard()->setMimeData(mime);
}

std::optional<std::vector<std::uint8_t>> ObjectsOnClipboard() {
    const auto* mime = QApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(kObjectsMimeType)) return std::nullopt;
    const QByteArray bytes = mime->data(kObjectsMimeType);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool ClipboardHoldsObjects() {
    const auto* mime = QApplication::clipboard()->mimeData();
    return mime && mime->hasFormat(kObjectsMimeType);
}

} // namespace brelvane
