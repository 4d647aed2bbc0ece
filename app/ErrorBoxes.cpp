#include "app/ErrorBoxes.h"

#include "platform/MessageBoxes.h"
#include "render/AnsiText.h"
#include "storage/ErrorReport.h"

namespace brelvane {

void InstallErrorBoxSink() {
    SetErrorSink([](const std::string& text) { platform::ShowErrorBox(nullptr, FromAnsi(text)); });
}

} // namespace brelvane
