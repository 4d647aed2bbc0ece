#include "render/AAFaceNames.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>

namespace brelvane {

namespace {

// Liberation matches the widths of the core Windows faces; DejaVu Sans stands in for the
// Verdana-like sans faces and the dialog faces, which the system would otherwise resolve by
// its own preferences (Wine without the Windows faces takes the first family it knows,
// often a serif one).
constexpr std::array<std::pair<const char*, const char*>, 10> kStandIns{{
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"MS Sans Serif", "DejaVu Sans"},
    {"Microsoft Sans Serif", "DejaVu Sans"},
    {"MS Shell Dlg", "DejaVu Sans"},
    {"MS Shell Dlg 2", "DejaVu Sans"},
    {"Segoe UI", "DejaVu Sans"},
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

void InstallFaceStandIns() {
    for (const auto& [windows, standIn] : kStandIns) {
        const QString face = QString::fromLatin1(windows);
        if (!QFont::substitutes(face).contains(QLatin1String(standIn), Qt::CaseInsensitive))
            QFont::insertSubstitution(face, QString::fromLatin1(standIn));
    }
}

} // namespace brelvane
