#include "app/ErrorBoxes.h"

#include "platform/MessageBoxes.h"
#include "storage/AnsiCodePage.h"
#include "storage/ErrorReport.h"

namespace brelvane {

QString ErrorBoxText(const std::string& text) {
    return QString::fromStdString(MachineTextToUtf8(text));
}

void InstallErrorBoxSink() {
    SetErrorSink(
        [](const std::string& text) { platform::ShowErrorBox(nullptr, ErrorBoxText(text)); });
}

} // namespace brelvane
