#pragma once

#include "objects/controls/ObjectWidget.h"

#include <QUrl>
#include <memory>
#include <string>

class QLabel;

namespace brelvane {

class TDocking;

namespace platform {
class WebView;
}

// What the Flash object shows when it has no player.
inline constexpr char kFlashMissingText[] =
    "Flash player is not installed.\r\nPlease click here to get it.";
// Where a click on that text leads.
inline constexpr char kFlashHelpAddress[] = "https://ruffle.rs/#downloads";

// Kind 18: a Flash movie played by the Flash engine in an embedded browser.
// Without the engine's files or a browser, a label says so (bold, pure blue,
// centred, wrapped, hand pointer) and a click on it opens the help address.
class TAuFlash final : public TObjectWidget {
    Q_OBJECT
public:
    TAuFlash(TAutoObject& object, QWidget* parent);
    ~TAuFlash() override;

    void Refresh() override;
    // Releases any earlier player and makes one that plays the movie; the
    // label stays when no player can be had. The designer makes none.
    void CreatePlayer(const std::string& base);
    bool HasPlayer() const { return view_ != nullptr; }
    platform::WebView* Player() const { return view_.get(); }
    // The movie the player was given: base + MovieFile, or a single blank.
    const std::string& Movie() const { return movie_; }
    QLabel& Message() const { return *label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyMovie(const std::string& base);

    QLabel* label_;
    TDocking* docking_ = nullptr;
    std::unique_ptr<platform::WebView> view_;
    std::string movie_;
};

} // namespace brelvane
