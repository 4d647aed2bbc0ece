#include "platform/WebEngine.h"

#include "platform/BundledRuntime.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <utility>

namespace brelvane::platform {

namespace {
constexpr char kPluginName[] = "brelvane_webengine";

struct EngineSlot {
    bool Tried = false;
    bool Replaced = false;
    WebEngine* Engine = nullptr;
};

EngineSlot& Slot() {
    static EngineSlot slot;
    return slot;
}

WebEngine* LoadPlugin() {
    // Beside the program, or in the runtime folder a published player carries.
    const QDir program(QCoreApplication::applicationDirPath());
    QStringList folders{program.path(), program.filePath(QString(kRuntimeFolderName) + "/lib")};
    const QString extra = qEnvironmentVariable("BRELVANE_PLUGIN_DIR");
    if (!extra.isEmpty()) folders << extra;
    for (const QString& folder : folders) {
        QPluginLoader loader(QDir(folder).filePath(kPluginName));
        if (QObject* instance = loader.instance())
            if (auto* engine = qobject_cast<WebEngine*>(instance)) return engine;
    }
    return nullptr;
}
} // namespace

WebEngine* LoadedWebEngine() {
    auto& slot = Slot();
    if (!slot.Tried && !slot.Replaced) {
        slot.Tried = true;
        PrepareWebEngineSandbox();
        slot.Engine = LoadPlugin();
    }
    return slot.Engine;
}

WebEngine* SetWebEngine(WebEngine* engine) {
    auto& slot = Slot();
    slot.Replaced = true;
    return std::exchange(slot.Engine, engine);
}

} // namespace brelvane::platform
