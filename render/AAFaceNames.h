#pragma once

#include <QFont>

namespace brelvane {

// `font` with a metric-compatible stand-in after its face, for the Windows faces that are
// not installed here; a face that is installed still wins.
QFont WithFaceStandIn(QFont font);

// Makes every font of the program (controls, captions, message boxes) take the same stand-ins
// for the Windows faces that are not installed.
void InstallFaceStandIns();

} // namespace brelvane
