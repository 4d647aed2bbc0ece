#include "platform/BundledRuntime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <map>
#include <optional>

namespace brelvane::platform {

namespace {
// Each variable set for the runtime with the value it had before.
std::map<QString, std::optional<QString>>& SetVariables() {
    static std::map<QString, std::optional<QString>> variables;
    return variables;
}

void SetVariable(const char* name, const QString& value) {
    auto& variables = SetVariables();
    if (!variables.count(name))
        variables[name] = qEnvironmentVariableIsSet(name)
                              ? std::optional<QString>(qEnvironmentVariable(name))
                              : std::nullopt;
    qputenv(name, QFile::encodeName(value));
}
} // namespace

bool UseBundledRuntime(const std::string& programFolder, const std::string& tempFolder) {
    const QDir runtime(QDir(QString::fromStdString(programFolder)).filePath(kRuntimeFolderName));
    if (!runtime.exists("lib")) return false;
    // Only our plug-ins: a host plug-in built against another Qt would not load.
    QCoreApplication::setLibraryPaths({runtime.filePath("plugins")});
    SetVariable("GST_PLUGIN_SYSTEM_PATH_1_0", runtime.filePath("gstreamer"));
    SetVariable("GST_PLUGIN_PATH_1_0", {});
    SetVariable("GST_PLUGIN_SCANNER_1_0", runtime.filePath("libexec/gst-plugin-scanner"));
    // The host's plug-in registry describes the host's plug-ins.
    SetVariable("GST_REGISTRY_1_0",
                QDir(QString::fromStdString(tempFolder)).filePath("brelvane-gstreamer.bin"));
    if (runtime.exists("libexec/QtWebEngineProcess")) {
        SetVariable("QTWEBENGINEPROCESS_PATH", runtime.filePath("libexec/QtWebEngineProcess"));
        SetVariable("QTWEBENGINE_RESOURCES_PATH", runtime.filePath("resources"));
        SetVariable("QTWEBENGINE_LOCALES_PATH",
                    runtime.filePath("translations/qtwebengine_locales"));
    }
    return true;
}

QProcessEnvironment ChildEnvironment() {
    auto environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, before] : SetVariables()) {
        if (before)
            environment.insert(name, *before);
        else
            environment.remove(name);
    }
    return environment;
}

} // namespace brelvane::platform
