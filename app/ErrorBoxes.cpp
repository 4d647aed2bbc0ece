#include "app/ErrorBoxes.h"

#include "storage/AnsiCodePage.h"
#include "storage/ErrorReport.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace brelvane {

namespace {
bool HasInteractiveDisplay() {
    const auto platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}
} // namespace

QString ErrorBoxText(const std::string& text) {
    return QString::fromStdString(MachineTextToUtf8(text));
}

void InstallErrorBoxSink() {
    SetErrorSink([](const std::string& text) {
        std::fprintf(stderr, "Error: %s\n", text.c_str());
        if (HasInteractiveDisplay()) QMessageBox::critical(nullptr, "Error", ErrorBoxText(text));
    });
}

} // namespace brelvane
