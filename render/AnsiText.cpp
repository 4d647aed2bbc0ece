#include "render/AnsiText.h"

#include "storage/AnsiCodePage.h"

namespace brelvane {

QString FromAnsi(std::string_view ansi) {
    // Written in place: appending one character at a time cost most of the conversion.
    QString text(static_cast<qsizetype>(ansi.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : ansi)
        *out++ = QChar(static_cast<char16_t>(AnsiToUnicode(static_cast<std::uint8_t>(c))));
    return text;
}

std::string ToAnsi(const QString& text) {
    return Utf8ToAnsi(text.toStdString());
}

} // namespace brelvane
