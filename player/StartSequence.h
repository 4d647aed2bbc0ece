#pragma once

#include <memory>
#include <vector>

namespace brelvane {

class TAutoRunForm;

enum class TStartOutcome {
    Running,  // the main window is shown; the message loop may run
    Declined, // a gate page was not passed: the program ends
    Failed,   // a splash or screen background page could not be built
};

// The player's windows from the first splash page to the main window. The
// screen backgrounds and the main window live as long as this object.
class TStartSequence {
public:
    TStartSequence();
    ~TStartSequence();
    TStartSequence(const TStartSequence&) = delete;
    TStartSequence& operator=(const TStartSequence&) = delete;

    // Splash pages, install-ware checks, screen backgrounds, then the main
    // window, which passes the gates before it gets its page.
    TStartOutcome Run();

    // Every screen background page, maximized and without input behind the
    // menu; the last one is the screen background window. False when one
    // cannot be built.
    bool ShowScreenBackgrounds();

    TAutoRunForm* MainWindow() const { return main_.get(); }
    const std::vector<std::unique_ptr<TAutoRunForm>>& ScreenBackgrounds() const {
        return backgrounds_;
    }

private:
    std::vector<std::unique_ptr<TAutoRunForm>> backgrounds_;
    // Declared last so that it goes before the windows behind it.
    std::unique_ptr<TAutoRunForm> main_;
};

// Every splash page in index order, each shown modally until it closes.
// False when one cannot be built (its error has been shown).
bool ShowSplashPages();

// The install-ware checks with an invisible window as the messages' owner.
void RunInstallWareChecksWithOwner();

// The agreement form, then the security form, then the main window with the
// first main page (an empty window when the project has none). Null when a
// gate ends the program.
std::unique_ptr<TAutoRunForm> CreateMainWindow();

} // namespace brelvane
