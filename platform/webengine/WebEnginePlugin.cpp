#include "platform/webengine/WebEnginePlugin.h"

#include <QPointer>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace brelvane::platform {

namespace {
class EngineView;

// Puts every navigation before the view's owner.
class NavigationPage final : public QWebEnginePage {
public:
    NavigationPage(QWebEngineProfile* profile, WebView& owner, QObject* parent)
        : QWebEnginePage(profile, parent), owner_(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        return !owner_.OnNavigation || owner_.OnNavigation(url);
    }

private:
    WebView& owner_;
};

class EngineView final : public WebView {
public:
    EngineView(QWebEngineProfile* profile, QWidget* parent, const WebViewSettings& settings)
        : view_(new QWebEngineView(parent)) {
        auto* page = new NavigationPage(profile, *this, view_);
        auto* pageSettings = page->settings();
        pageSettings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture,
                                   !settings.AutoPlay);
        pageSettings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls,
                                   settings.LocalFilesReadFiles);
        view_->setPage(page);
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
            if (OnLoadFinished) OnLoadFinished(ok);
        });
    }
    ~EngineView() override { delete view_.data(); }

    QWidget* Widget() override { return view_; }
    void Load(const QUrl& url) override {
        requested_ = url;
        if (view_) view_->load(url);
    }
    QUrl RequestedUrl() const override { return requested_; }
    void RunJavaScript(const QString& script, std::function<void(const QVariant&)> done) override {
        if (!view_) return;
        QPointer<QWebEngineView> alive = view_;
        view_->page()->runJavaScript(script, [alive, done](const QVariant& result) {
            if (alive && done) done(result);
        });
    }

    // Whether the download comes from this view's page.
    bool Owns(const QWebEngineDownloadRequest* download) const {
        return view_ && download->page() == view_->page();
    }

private:
    QPointer<QWebEngineView> view_;
    QUrl requested_;
};
} // namespace

QWebEngineProfile* WebEnginePlugin::Profile() {
    if (!profile_) profile_ = new QWebEngineProfile(this);
    return profile_;
}

std::unique_ptr<WebView> WebEnginePlugin::CreateView(QWidget* parent,
                                                     const WebViewSettings& settings) {
    auto view = std::make_unique<EngineView>(Profile(), parent, settings);
    // Downloads are never saved: the view's owner may hand a local file on.
    QObject::connect(Profile(), &QWebEngineProfile::downloadRequested, view->Widget(),
                     [raw = view.get()](QWebEngineDownloadRequest* download) {
                         if (!raw->Owns(download)) return;
                         const QUrl url = download->url();
                         download->cancel();
                         if (raw->OnDownload) raw->OnDownload(url);
                     });
    return view;
}

} // namespace brelvane::platform
