#include "designer/PropertyValues.h"

#include "storage/AnsiCodePage.h"

#include <QList>
#include <QStringView>
#include <cstdint>
#include <limits>

namespace brelvane {

namespace {
// numerator / denominator for non-negative values, to the nearest integer
// with ties to even.
std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
    const bool negative = numerator < 0;
    const std::int64_t n = negative ? -numerator : numerator;
    std::int64_t quotient = n / denominator;
    const std::int64_t twice = 2 * (n % denominator);
    if (twice > denominator || (twice == denominator && quotient % 2 == 1)) ++quotient;
    return negative ? -quotient : quotient;
}
} // namespace

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString PictureText(const TPicture& picture, const char* emptyType) {
    const QString type = picture.Empty() || picture.Data.empty()
                             ? QString::fromLatin1(emptyType)
                             : QString::fromStdString(PictureKindCaption(picture));
    return "[" + type + "]";
}

QString Placeholder(bool present, const char* name) {
    return present ? "[" + QString::fromLatin1(name) + "]" : QStringLiteral("[None]");
}

std::int64_t PercentShown(std::int64_t stored) {
    return RoundHalfEven(stored * 100, 255);
}

std::int64_t PercentStored(std::int64_t percent) {
    return RoundHalfEven(percent * 255, 100);
}

std::optional<std::int64_t> ParseWholeNumber(const QString& text) {
    QStringView digits(text);
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits = digits.mid(1);
    }
    if (digits.isEmpty()) return std::nullopt;
    std::int64_t value = 0;
    for (const QChar c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        // Beyond 32 bits whichever the sign; stop before the sum can overflow.
        if (value > std::int64_t{std::numeric_limits<std::uint32_t>::max()}) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return value;
}

bool IsStorableText(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (!UnicodeToAnsi(c)) return false;
    return true;
}

} // namespace brelvane
