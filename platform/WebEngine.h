#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>
#include <QtPlugin>
#include <functional>
#include <memory>

class QWidget;

namespace brelvane::platform {

// What a view of the embedded browser is set up for.
struct WebViewSettings {
    // Media and engines start without a click (the Flash host page).
    bool AutoPlay = false;
    // Pages from files may load other files (local web pages).
    bool LocalFilesReadFiles = true;
};

// One embedded browser view, made by the web engine plug-in.
class WebView {
public:
    virtual ~WebView() = default;
    // The widget that shows the page; owned by its parent.
    virtual QWidget* Widget() = 0;
    virtual void Load(const QUrl& url) = 0;
    // The address last asked for, as it was given.
    virtual QUrl RequestedUrl() const = 0;
    // Runs `script` in the page; `done` gets its result (not called when
    // the view has gone).
    virtual void RunJavaScript(const QString& script,
                               std::function<void(const QVariant&)> done) = 0;

    // Asked before the page or one of its frames goes to `url`; false cancels.
    std::function<bool(const QUrl& url)> OnNavigation;
    // A file the engine would download (a document it cannot show): it is
    // never saved; a local one can be handed on.
    std::function<void(const QUrl& url)> OnDownload;
    std::function<void(bool ok)> OnLoadFinished;
};

// The engine: present when its plug-in and the browser it wraps are
// installed, loaded the first time a page needs it.
class WebEngine {
public:
    virtual ~WebEngine() = default;
    virtual std::unique_ptr<WebView> CreateView(QWidget* parent,
                                                const WebViewSettings& settings) = 0;
};

// The engine, loading its plug-in on the first call; null when this build
// or this machine has none. The plug-in is looked for beside the program,
// then in the folder named by BRELVANE_PLUGIN_DIR.
WebEngine* LoadedWebEngine();
// Replaces the engine (tests) and returns the previous one; null means
// "none", so that the placeholder shows.
WebEngine* SetWebEngine(WebEngine* engine);

// The browser's sandbox cannot start for the administrator: a player run as
// root goes without it, every other user keeps it.
void PrepareWebEngineSandbox();

} // namespace brelvane::platform

#define BrelvaneWebEngine_iid "org.brelvane.WebEngine/1"
Q_DECLARE_INTERFACE(brelvane::platform::WebEngine, BrelvaneWebEngine_iid)
