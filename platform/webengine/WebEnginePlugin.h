#pragma once

#include "platform/WebEngine.h"

#include <QObject>

class QWebEngineProfile;

namespace brelvane::platform {

// The web engine over Qt WebEngine, built as a plug-in of its own so that
// the program starts without loading the browser, and builds without one.
class WebEnginePlugin final : public QObject, public WebEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BrelvaneWebEngine_iid)
    Q_INTERFACES(brelvane::platform::WebEngine)
public:
    std::unique_ptr<WebView> CreateView(QWidget* parent, const WebViewSettings& settings) override;

private:
    // One profile for every view, kept in memory only: a disc menu leaves
    // no cache or cookies behind.
    QWebEngineProfile* Profile();

    QWebEngineProfile* profile_ = nullptr;
};

} // namespace brelvane::platform
