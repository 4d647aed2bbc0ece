#pragma once

#include <QPoint>
#include <QSize>
#include <optional>
#include <string>

namespace brelvane {

// Decimal text, whole: "12" but not "12px" or "".
std::optional<long long> Number(const std::string& text);
// "WIDTHxHEIGHT", each 1 to 8192.
std::optional<QSize> SizeOption(const std::string& text);
// "X,Y", each within the int range.
std::optional<QPoint> PointOption(const std::string& text);

} // namespace brelvane
