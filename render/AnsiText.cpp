#include "render/AnsiText.h"

#include "storage/AnsiCodePage.h"

namespace brelvane {

QString FromAnsi(std::string_view ansi) {
    QString text;
    text.reserve(static_cast<qsizetype>(ansi.size()));
    for (const char c : ansi)
        text += QChar(static_cast<char16_t>(AnsiToUnicode(static_cast<std::uint8_t>(c))));
    return text;
}

std::string ToAnsi(const QString& text) {
    return Utf8ToAnsi(text.toStdString());
}

} // namespace brelvane
