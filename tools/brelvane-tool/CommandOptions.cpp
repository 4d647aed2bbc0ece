#include "CommandOptions.h"

#include <charconv>
#include <climits>

namespace brelvane {

namespace {
// Two numbers around `separator`, each within [low, high].
std::optional<std::pair<int, int>> Pair(const std::string& text, char separator, long long low,
                                        long long high) {
    const auto at = text.find(separator);
    if (at == std::string::npos) return std::nullopt;
    const auto first = Number(text.substr(0, at));
    const auto second = Number(text.substr(at + 1));
    if (!first || !second || *first < low || *second < low || *first > high || *second > high)
        return std::nullopt;
    return std::pair{static_cast<int>(*first), static_cast<int>(*second)};
}
} // namespace

std::optional<long long> Number(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<QSize> SizeOption(const std::string& text) {
    const auto pair = Pair(text, 'x', 1, 8192);
    if (!pair) return std::nullopt;
    return QSize(pair->first, pair->second);
}

std::optional<QPoint> PointOption(const std::string& text) {
    const auto pair = Pair(text, ',', INT_MIN, INT_MAX);
    if (!pair) return std::nullopt;
    return QPoint(pair->first, pair->second);
}

} // namespace brelvane
