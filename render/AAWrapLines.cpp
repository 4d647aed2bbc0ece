#include "render/AAWrapLines.h"

#include <algorithm>

namespace brelvane {

namespace {

bool IsBreak(QChar c) {
    return QStringView(u"\t !,-.:;?").contains(c);
}

bool IsQuote(QChar c) {
    return c == u'\'' || c == u'"';
}

bool IsLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

} // namespace

QStringList WrapLines(const QString& line, int maxColumns) {
    const qsizetype m = std::max(maxColumns, 2);
    const qsizetype n = line.size();
    QStringList pieces;
    qsizetype start = 0;
    qsizetype lastBreak = -1;
    QChar quote;
    // Continues after a cut, skipping the line ends that follow it.
    const auto cut = [&](qsizetype end) {
        pieces.append(line.mid(start, end - start));
        start = end;
        while (start < n && IsLineEnd(line[start]))
            ++start;
        lastBreak = -1;
    };
    for (qsizetype i = 0; i < n;) {
        const QChar c = line[i];
        const bool pair = c.isHighSurrogate() && i + 1 < n && line[i + 1].isLowSurrogate();
        if (pair && i > start && i + 2 - start > m) {
            cut(i);
            i = std::max(i, start);
            continue;
        }
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (IsQuote(c)) {
            quote = c;
        } else if (IsBreak(c)) {
            lastBreak = i;
        }
        i += pair ? 2 : 1;
        if (i - start >= m && lastBreak >= start && i < n) {
            cut(lastBreak + 1);
            i = std::max(i, start);
        }
    }
    if (start < n || pieces.isEmpty()) pieces.append(line.mid(start));
    return pieces;
}

} // namespace brelvane
