#include "StartupChildren.h"

#include "app/ProcessState.h"
#include "app/StartUp.h"
#include "player/AutoRunForm.h"
#include "player/PageSurface.h"
#include "player/StartSequence.h"
#include "storage/ErrorReport.h"

#include <QApplication>
#include <QElapsedTimer>

namespace brelvane::bench {

namespace {
// Notes the first paint event of a widget.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(QWidget* widget) { widget->installEventFilter(this); }
    bool Painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_ = true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

int WaitForPaint(const PaintWatcher& watcher) {
    QElapsedTimer timer;
    timer.start();
    while (!watcher.Painted() && timer.elapsed() < 10000)
        QApplication::processEvents();
    return watcher.Painted() ? 0 : 1;
}
} // namespace

int BareWindowChild(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(640, 460);
    PaintWatcher watcher(&window);
    window.show();
    return WaitForPaint(watcher);
}

int MainPageChild(int argc, char** argv, const std::string& folder) {
    QApplication application(argc, argv);
    ErrorCollector errors;
    TProcessState process;
    SetProgramPaths(process, folder + "/autorun.exe");
    if (!StartPlayer(process)) return 1;
    TStartSequence sequence;
    // The main window is shown at the end; its first paint comes from the event loop.
    if (sequence.Run() != TStartOutcome::Running) return 1;
    PaintWatcher watcher(sequence.MainWindow()->Surface());
    return WaitForPaint(watcher);
}

} // namespace brelvane::bench
