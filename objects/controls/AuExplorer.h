#pragma once

#include "objects/controls/ObjectWidget.h"

#include <QUrl>
#include <memory>
#include <string>

namespace brelvane {

class TDocking;
struct TExplorerFields;

namespace platform {
class WebView;
}

// Kind 11 in the designer, and on a running page without a web engine: a
// white box naming what the web view would show.
class TAuExplorerE : public TObjectWidget {
    Q_OBJECT
public:
    TAuExplorerE(TAutoObject& object, QWidget* parent);

    void Refresh() override;
    // Goes back to the stored left, top, width and height (and docking).
    void RestoreBounds();

protected:
    const TExplorerFields* Fields() const;
    void paintEvent(QPaintEvent* event) override;

private:
    TDocking* docking_ = nullptr;
};

// Kind 11 on a running page: the embedded browser. Links that name a command
// cancel their navigation and are handed to the page afterwards, from the
// event loop; documents the browser would download open through the shell.
class TAuExplorer final : public TAuExplorerE {
    Q_OBJECT
public:
    TAuExplorer(TAutoObject& object, QWidget* parent);
    ~TAuExplorer() override;

    // Navigates to the location: the base folder goes in front of a
    // location that begins with a backslash, unless it is a web site.
    void NavigateLocation(const std::string& base);
    // The address given to the browser by the last navigation; empty before.
    QUrl NavigatedUrl() const { return navigated_; }
    bool HasBrowser() const { return view_ != nullptr; }
    platform::WebView* Browser() const { return view_.get(); }

signals:
    // A link named a command; `address` is the link's address, percent-decoded.
    void LinkCommand(TObjectWidget* control, const QString& address);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool AcceptNavigation(const QUrl& url);

    std::unique_ptr<platform::WebView> view_;
    QUrl navigated_;
};

// What NavigateLocation goes to: the location, with the base folder in front
// when it begins with a backslash and the type is not "WebSite"; empty when
// there is nothing to show.
std::string NavigationTarget(const TExplorerFields& fields, const std::string& base);
// The address the browser is given for a target: a local file or folder for
// a path of the base folder, else the text itself.
QUrl BrowserUrl(const std::string& target, bool underBase);

} // namespace brelvane
