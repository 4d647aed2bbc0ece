#include "platform/WideText_win.h"

#include <QRegularExpression>
#include <QString>
#include <QStringDecoder>

namespace brelvane::platform {

std::wstring WideText(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    // Windows-1252 agrees with Latin-1 outside 0x80-0x9F, which file names rarely use.
    if (utf8.hasError())
        text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return text.toStdWString();
}

std::wstring WideShellTarget(const std::string& bytes) {
    auto text = WideText(bytes);
    // One letter before the colon is a drive, more make an address.
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    if (!scheme.match(QString::fromStdWString(text)).hasMatch())
        for (auto& c : text)
            if (c == L'/') c = L'\\';
    return text;
}

std::string Utf8Text(const std::wstring& text) {
    return QString::fromStdWString(text).toStdString();
}

} // namespace brelvane::platform
