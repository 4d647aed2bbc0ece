// The web tests run the real engine offscreen: without sandbox and GPU, with
// the application made as the program makes it.
#include "player/PlayerProject.h"
#include "web/WebTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <memory>

namespace brelvane::test {

bool RunUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

QVariant ScriptValue(platform::WebView& view, const QString& script, int milliseconds) {
    auto result = std::make_shared<QVariant>();
    auto pending = std::make_shared<bool>(false);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        if (!*pending) {
            *pending = true;
            view.RunJavaScript(script, [result, pending](const QVariant& value) {
                *result = value;
                *pending = false;
            });
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!*pending && result->isValid() && !result->isNull()) return *result;
    }
    return {};
}

bool ScriptBecomesTrue(platform::WebView& view, const QString& script, int milliseconds) {
    return ScriptValue(view, "(" + script + ") || null", milliseconds).toBool();
}

} // namespace brelvane::test

int main(int argc, char** argv) {
    // Listing the tests runs the program without the tests' environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The engine plug-in and the Flash engine of this build.
    if (!qEnvironmentVariableIsSet("BRELVANE_PLUGIN_DIR"))
        qputenv("BRELVANE_PLUGIN_DIR", BRELVANE_PLUGIN_DIR);
    if (!qEnvironmentVariableIsSet("BRELVANE_RUFFLE_DIR"))
        qputenv("BRELVANE_RUFFLE_DIR", BRELVANE_RUFFLE_DIR);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
