#pragma once

#include "storage/ProjectSettings.h"

#include <string>

class QWidget;

namespace brelvane {

// The extension a FileType names: ".pdf" of ".pdf (Adobe Acrobat Document)";
// empty when it names none.
std::string ViewerExtension(const std::string& fileType);

// Whether the record's installer is to run: it exists, the record's rule
// asks for it, and the user, when asked, said Yes. `owner` holds the prompt.
bool ShouldInstall(const TInstallWare& record, QWidget* owner);

// Starts the record's installer, waiting for its end when the record says
// so. Failures to start are not reported.
void RunInstaller(const TInstallWare& record);

// Whether a record of the project's settings names an installer that exists: without one
// the checks have nothing to ask or start.
bool AnyInstallerPresent();

// Tests every install-ware record of the project's settings, in list order.
void RunInstallWareChecks(QWidget* owner);

} // namespace brelvane
