// Time from process start to the first painted main page of the demo
// project without its special pages, through the player's start sequence,
// as a ratio to the start of a process that shows and paints a bare Qt
// window of the same size. And the cost of a large project: the start on a
// generated project of 200 pages of 50 objects each, as a ratio to the start
// on the same project cut to its main page. Each sample is a fresh process
// (this program started again in one of its child roles), timed from its
// start until it has painted and ended.
#include "RatioReporter.h"
#include "app/ProcessState.h"
#include "app/StartUp.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "player/AutoRunForm.h"
#include "player/PageSurface.h"
#include "player/StartSequence.h"
#include "project/PageStream.h"
#include "storage/ErrorReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr char kBareRole[] = "--bare-window";
constexpr char kDemoRole[] = "--demo-main-page";
constexpr char kProjectRole[] = "--project-main-page";
constexpr int kLargePages = 200;
constexpr int kObjectsPerPage = 50;

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

// Plays the project in `folder` until its main page has painted.
int MainPageChild(int argc, char** argv, const std::string& folder) {
    QApplication application(argc, argv);
    brelvane::ErrorCollector errors;
    brelvane::TProcessState process;
    brelvane::SetProgramPaths(process, folder + "/autorun.exe");
    if (!brelvane::StartPlayer(process)) return 1;
    brelvane::TStartSequence sequence;
    // The main window is shown at the end; its first paint comes from the event loop.
    if (sequence.Run() != brelvane::TStartOutcome::Running) return 1;
    PaintWatcher watcher(sequence.MainWindow()->Surface());
    return WaitForPaint(watcher);
}

// A page of 50 objects: labels, shapes, simple texts and images with a
// picture of their own, so that reading and showing a page costs what a
// real one does.
brelvane::TPageRecord GeneratedPage(const std::string& name, std::uint8_t kind) {
    using namespace brelvane;
    TPageRecord page;
    page.PageName = name;
    page.Caption = name;
    page.PageKind = kind;
    page.FadeIn = page.FadeOut = page.Shadow = false;
    page.Width = 640;
    page.Height = 460;
    constexpr std::uint8_t kKinds[] = {okLabel, okShape, okSimpleText, okImage, okButton};
    for (int i = 0; i < kObjectsPerPage; ++i) {
        auto* object =
            AddObjectRecord(page.Objects, kKinds[i % 5], 10 + (i % 10) * 62, 10 + (i / 10) * 88);
        if (auto* caption = object->Payload->CaptionText())
            *caption = name + " " + std::to_string(i);
        if (auto* image = dynamic_cast<TImagePayload*>(object->Payload.get())) {
            image->ImageNormal = PngPrototype();
            image->ImageNormal.Data.push_back(static_cast<std::uint8_t>(i)); // its own bytes
        }
    }
    return page;
}

// A project of `pages` pages (the first the main page, the others sub pages)
// in `folder`, replacing what was there.
bool WriteGeneratedProject(const std::string& folder, int pages) {
    using namespace brelvane;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "/AutoRunSource");
    TProjectIndex index;
    for (int i = 0; i < pages; ++i) {
        const auto page = i == 0 ? GeneratedPage("Main", pkMainPage)
                                 : GeneratedPage("Page " + std::to_string(i), pkSubPage);
        if (!SavePageFile(folder + "/AutoRunSource/" + page.PageName + ".pg", page)) return false;
        auto entry = std::make_unique<TAutoFormInfo>();
        entry->Name = page.PageName;
        entry->Kind = page.PageKind;
        index.Pages.push_back(std::move(entry));
    }
    return SaveIndexFile(folder + "/AutoRunSource/AutoRun.src", index);
}

// Starts this program in `role` (with `folder`, when given) and waits for it to end.
void RunChild(benchmark::State& state, const char* self, const char* role,
              const std::string& folder = "") {
    for (auto _ : state) {
        pid_t child = 0;
        char* args[] = {const_cast<char*>(self), const_cast<char*>(role),
                        folder.empty() ? nullptr : const_cast<char*>(folder.c_str()), nullptr};
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
    if (argc > 1 && std::strcmp(argv[1], kDemoRole) == 0)
        return MainPageChild(argc, argv, BRELVANE_DEMO_FOLDER);
    if (argc > 2 && std::strcmp(argv[1], kProjectRole) == 0)
        return MainPageChild(argc, argv, argv[2]);

    brelvane::ErrorCollector errors;
    const auto temp =
        std::filesystem::temp_directory_path() / ("brelvane-startup-" + std::to_string(::getpid()));
    const std::string large = (temp / "large").string(), mainOnly = (temp / "main-only").string();
    if (!WriteGeneratedProject(large, kLargePages) || !WriteGeneratedProject(mainOnly, 1)) {
        std::fprintf(stderr, "cannot write the generated projects in %s\n", temp.c_str());
        return 1;
    }

    const char* self = argv[0];
    benchmark::RegisterBenchmark("Startup/BareWindow", RunChild, self, kBareRole, "")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Startup/DemoMainPage", RunChild, self, kDemoRole, "")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Startup/MainPageAlone", RunChild, self, kProjectRole, mainOnly)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Startup/LargeProject", RunChild, self, kProjectRole, large)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(temp);
    const double demo = reporter.Ratio("Startup/DemoMainPage", "Startup/BareWindow");
    const double growth = reporter.Ratio("Startup/LargeProject", "Startup/MainPageAlone");
    if (demo > 0)
        std::printf("\nfirst painted demo main page / bare window, from process start: %.2fx "
                    "(target <= 1.5x)\n",
                    demo);
    if (growth > 0)
        std::printf("project of %d pages of %d objects / the same cut to its main page: %.2fx "
                    "(target <= 1.2x)\n",
                    kLargePages, kObjectsPerPage, growth);
    return demo > 0 || growth > 0 ? 0 : 1;
}
