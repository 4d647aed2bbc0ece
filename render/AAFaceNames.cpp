#include "render/AAFaceNames.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>

namespace brelvane {

namespace {

// Liberation matches the widths of the core Windows faces; DejaVu Sans stands in for the
// Verdana-like sans faces, which fontconfig would otherwise resolve by its own preferences.
constexpr std::array<std::pair<const char*, const char*>, 6> kStandIns{{
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"MS Sans Serif", "DejaVu Sans"},
}};

} // namespace

QFont WithFaceStandIn(QFont font) {
    const QString face = font.family();
    for (const auto& [windows, standIn] : kStandIns) {
        if (face.compare(QLatin1String(windows), Qt::CaseInsensitive) == 0) {
            font.setFamilies(QStringList{face, QString::fromLatin1(standIn)});
            break;
        }
    }
    return font;
}

} // namespace brelvane
