#include "platform/CursorFiles.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

namespace brelvane::platform {

namespace {
constexpr qsizetype kIconDirectorySize = 6 + 16;

quint16 Word(const QByteArray& data, qsizetype at) {
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 DoubleWord(const QByteArray& data, qsizetype at) {
    return qFromLittleEndian<quint32>(data.constData() + at);
}

// The first 'icon' chunk inside the LIST 'fram' of a RIFF 'ACON' file.
QByteArray FirstAniFrame(const QByteArray& data) {
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "ACON") return {};
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype size = DoubleWord(data, at + 4);
        const qsizetype body = at + 8;
        if (size < 0 || body + size > data.size()) return {};
        if (id == "LIST" && data.mid(body, 4) == "fram") {
            // Sub-chunks follow the list type.
            qsizetype inner = body + 4;
            while (inner + 8 <= body + size) {
                const qsizetype innerSize = DoubleWord(data, inner + 4);
                if (data.mid(inner, 4) == "icon" && inner + 8 + innerSize <= data.size())
                    return data.mid(inner + 8, innerSize);
                inner += 8 + innerSize + (innerSize & 1);
            }
            return {};
        }
        at = body + size + (size & 1);
    }
    return {};
}

std::optional<QCursor> CursorFromIconData(const QByteArray& data) {
    if (data.size() < kIconDirectorySize || Word(data, 0) != 0) return std::nullopt;
    const quint16 type = Word(data, 2);
    if (type != 1 && type != 2) return std::nullopt;
    // Qt's icon reader reads cursor files too once they are marked as icons.
    QByteArray asIcon = data;
    qToLittleEndian<quint16>(1, asIcon.data() + 2);
    QImage image;
    if (!image.loadFromData(asIcon, "ICO") || image.isNull()) return std::nullopt;
    int hotX = 0;
    int hotY = 0;
    if (type == 2) {
        hotX = Word(data, 6 + 4);
        hotY = Word(data, 6 + 6);
    }
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}
} // namespace

std::optional<QCursor> LoadCursorFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    if (data.startsWith("RIFF")) return CursorFromIconData(FirstAniFrame(data));
    return CursorFromIconData(data);
}

} // namespace brelvane::platform
