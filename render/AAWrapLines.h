#pragma once

#include <QString>
#include <QStringList>

namespace brelvane {

// Splits `line` into pieces of at most `maxColumns` (at least 2) characters, each cut after
// its last break character (tab, blank and ! , - . : ; ?). A quoted run is never cut inside,
// nor a character of two code units; a line without a break character stays whole. Carriage
// returns and line feeds right after a cut are dropped.
QStringList WrapLines(const QString& line, int maxColumns);

} // namespace brelvane
