#include "player/StartSequence.h"

#include "player/AutoRunForm.h"
#include "player/InstallWareChecks.h"
#include "player/PlayerEnvironment.h"
#include "player/SpecialPages.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>

namespace brelvane {

namespace {
// A disabled window takes no input but keeps its looks; Qt's setEnabled
// would grey every control on it, so the input is swallowed instead.
class TInputBlocker final : public QObject {
public:
    explicit TInputBlocker(QWidget& window) : QObject(&window), window_(window) {
        QApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == &window_ && IsInput(event->type());
    }

private:
    static bool IsInput(QEvent::Type type) {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Enter:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::ContextMenu:
        case QEvent::ToolTip:
            return true;
        default:
            return false;
        }
    }

    QWidget& window_;
};

// Maximized without border or alpha, behind everything, taking no input.
void LayBehindTheMenu(TAutoRunForm& window) {
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setWindowOpacity(1.0);
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Without a window manager the maximized state alone would not size it.
    if (const auto* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.setWindowState(Qt::WindowMaximized);
    new TInputBlocker(window);
    window.show();
    window.repaint();
    window.lower();
}
} // namespace

bool ShowSplashPages() {
    const auto* project = PlayerEnvironment().Project;
    if (!project) return true;
    for (const auto* entry : PagesOfKind(*project, pkSplashScreen)) {
        TAutoRunForm splash;
        if (!splash.BuildPage(entry->Name, TPageReadMode::Build)) return false;
        splash.ShowModal();
    }
    return true;
}

void RunInstallWareChecksWithOwner() {
    // Showing and closing the owner window costs seconds where no window manager answers
    // (Wine on a bare X server): it is made only for an installer that may run.
    if (!AnyInstallerPresent()) return;
    QWidget owner(nullptr, Qt::Window | Qt::FramelessWindowHint);
    owner.setFixedSize(0, 0);
    // Message boxes are centred on their owner.
    if (const auto* screen = QGuiApplication::primaryScreen())
        owner.move(screen->availableGeometry().center());
    owner.show();
    RunInstallWareChecks(&owner);
    owner.close();
}

std::unique_ptr<TAutoRunForm> CreateMainWindow() {
    if (!ShowGatePage(pkAgreementForm) || !ShowGatePage(pkSecurityForm)) return nullptr;
    auto window = std::make_unique<TAutoRunForm>();
    window->IsMainWindow = true;
    // A main page that cannot be built has shown its error; the window stays empty.
    window->BuildMainPage();
    return window;
}

TStartSequence::TStartSequence() = default;

TStartSequence::~TStartSequence() = default;

bool TStartSequence::ShowScreenBackgrounds() {
    const auto* project = PlayerEnvironment().Project;
    if (!project) return true;
    for (const auto* entry : PagesOfKind(*project, pkScreenBackground)) {
        auto window = std::make_unique<TAutoRunForm>();
        if (!window->BuildPage(entry->Name, TPageReadMode::Build)) return false;
        LayBehindTheMenu(*window);
        PlayerEnvironment().ScreenBackground = window.get();
        backgrounds_.push_back(std::move(window));
    }
    return true;
}

TStartOutcome TStartSequence::Run() {
    if (!ShowSplashPages()) return TStartOutcome::Failed;
    RunInstallWareChecksWithOwner();
    if (!ShowScreenBackgrounds()) return TStartOutcome::Failed;
    main_ = CreateMainWindow();
    if (!main_) return TStartOutcome::Declined;
    main_->show();
    return TStartOutcome::Running;
}

} // namespace brelvane
