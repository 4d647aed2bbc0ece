// Time from process start to the first painted main page of the demo
// project without its special pages, through the player's start sequence,
// as a ratio to the start of a process that shows and paints a bare Qt
// window of the same size. Each sample is a fresh process (this program
// started again in one of its two child roles), timed from its start until
// it has painted and ended.
#include "RatioReporter.h"
#include "app/ProcessState.h"
#include "app/StartUp.h"
#include "player/AutoRunForm.h"
#include "player/PageSurface.h"
#include "player/StartSequence.h"
#include "storage/ErrorReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr char kBareRole[] = "--bare-window";
constexpr char kDemoRole[] = "--demo-main-page";

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

int BareWindowChild(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(640, 460);
    PaintWatcher watcher(&window);
    window.show();
    return WaitForPaint(watcher);
}

int DemoMainPageChild(int argc, char** argv) {
    QApplication application(argc, argv);
    brelvane::ErrorCollector errors;
    brelvane::TProcessState process;
    brelvane::SetProgramPaths(process, std::string(BRELVANE_DEMO_FOLDER) + "/autorun.exe");
    if (!brelvane::StartPlayer(process)) return 1;
    brelvane::TStartSequence sequence;
    // The main window is shown at the end; its first paint comes from the event loop.
    if (sequence.Run() != brelvane::TStartOutcome::Running) return 1;
    PaintWatcher watcher(sequence.MainWindow()->Surface());
    return WaitForPaint(watcher);
}

// Starts this program in `role` and waits for it to end.
void RunChild(benchmark::State& state, const char* self, const char* role) {
    for (auto _ : state) {
        pid_t child = 0;
        char* args[] = {const_cast<char*>(self), const_cast<char*>(role), nullptr};
        if (posix_spawn(&child, self, nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start the child process");
            return;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child did not paint its window");
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], kBareRole) == 0) return BareWindowChild(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], kDemoRole) == 0) return DemoMainPageChild(argc, argv);

    const char* self = argv[0];
    benchmark::RegisterBenchmark("Startup/BareWindow", RunChild, self, kBareRole)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Startup/DemoMainPage", RunChild, self, kDemoRole)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double ratio = reporter.Ratio("Startup/DemoMainPage", "Startup/BareWindow");
    if (ratio <= 0) return 1;
    std::printf("\nfirst painted demo main page / bare window, from process start: %.2fx "
                "(target <= 1.5x)\n",
                ratio);
    return 0;
}
