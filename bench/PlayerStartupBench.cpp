// Time from process start to the first painted main page of the demo
// project without its special pages, through the player's start sequence,
// as a ratio to the start of a process that shows and paints a bare Qt
// window of the same size. And the cost of a large project: the start on a
// generated project of 200 pages of 50 objects each, as a ratio to the start
// on the same project cut to its main page. Each sample is a fresh process
// (this program started again in one of its child roles), timed from its
// start until it has painted and ended. The two sides of a ratio start in
// turns, one process of each per round, and each side counts with its
// fastest start, so that load on the machine meets both alike. The demo's
// ratio is also taken by the children's processor time, which other load on
// the machine hardly moves.
//
// With "--windows PROBE.exe" the children of the first ratio are the Windows
// build's startup_probe.exe under Wine (tools/wine-run.sh) instead: the same
// ratio for the Windows player. The children draw off-screen unless
// QT_QPA_PLATFORM names another platform ("windows" under Wine on a display).
#include "InterleavedRatio.h"
#include "StartupChildren.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "project/PageStream.h"
#include "storage/ErrorReport.h"
#include "storage/ProjectIndex.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using brelvane::bench::kBareRole;
using brelvane::bench::kMainPageRole;
constexpr int kLargePages = 200;
constexpr int kObjectsPerPage = 50;

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

constexpr int kRounds = 30;

enum class TClock { Wall, Processor };

// Starts `command` and waits for it to end; its processor time (user and
// system) in seconds, or a negative value when it cannot start or fails.
double RunChild(std::vector<std::string>& command) {
    std::vector<char*> args;
    for (auto& part : command)
        args.push_back(part.data());
    args.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, args[0], nullptr, nullptr, args.data(), environ) != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The start of `measured` against the start of `reference`, in turns, by
// the wall clock or by the children's processor time (which other load on
// the machine hardly moves).
void CompareStarts(benchmark::State& state, TClock clock, std::vector<std::string> measured,
                   std::vector<std::string> reference) {
    bool failed = false;
    const auto start = [&failed, clock](std::vector<std::string>& command) {
        return [&failed, clock, &command] {
            const auto wallStart = std::chrono::steady_clock::now();
            const double processor = RunChild(command);
            failed = failed || processor < 0;
            if (clock == TClock::Processor) return processor;
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart)
                .count();
        };
    };
    interleaved::RunRounds(state, 1, start(measured), start(reference));
    if (failed) state.SkipWithError("a child did not start or did not paint its window");
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], kBareRole) == 0)
        return brelvane::bench::BareWindowChild(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], kMainPageRole) == 0)
        return brelvane::bench::MainPageChild(argc, argv, argv[2]);

    const std::string self = argv[0];
    std::vector<std::string> bare{self, kBareRole};
    std::vector<std::string> demo{self, kMainPageRole, BRELVANE_DEMO_FOLDER};
    const bool windows = argc > 2 && std::strcmp(argv[1], "--windows") == 0;
    if (windows) {
        bare = {BRELVANE_WINE_RUN, argv[2], kBareRole};
        demo = {BRELVANE_WINE_RUN, argv[2], kMainPageRole, BRELVANE_DEMO_FOLDER};
        // The benchmark library reads the options after the two taken here.
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }
    interleaved::Configure(benchmark::RegisterBenchmark("Startup/DemoMainPage", CompareStarts,
                                                        TClock::Wall, demo, bare),
                           kRounds);
    interleaved::Configure(benchmark::RegisterBenchmark("Startup/DemoMainPageProcessor",
                                                        CompareStarts, TClock::Processor, demo,
                                                        bare),
                           kRounds);

    brelvane::ErrorCollector errors;
    const auto temp =
        std::filesystem::temp_directory_path() / ("brelvane-startup-" + std::to_string(::getpid()));
    if (!windows) {
        const std::string large = (temp / "large").string(),
                          mainOnly = (temp / "main-only").string();
        if (!WriteGeneratedProject(large, kLargePages) || !WriteGeneratedProject(mainOnly, 1)) {
            std::fprintf(stderr, "cannot write the generated projects in %s\n", temp.c_str());
            return 1;
        }
        interleaved::Configure(
            benchmark::RegisterBenchmark("Startup/LargeProject", CompareStarts, TClock::Wall,
                                         std::vector<std::string>{self, kMainPageRole, large},
                                         std::vector<std::string>{self, kMainPageRole, mainOnly}),
            kRounds);
    }
    benchmark::Initialize(&argc, argv);
    interleaved::Reporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(temp);
    struct TLine {
        const char* Name;
        const char* Text;
        double Target;
    };
    const TLine lines[] = {
        {"Startup/DemoMainPage", "first painted demo main page / bare window, wall clock", 1.5},
        {"Startup/DemoMainPageProcessor",
         "first painted demo main page / bare window, processor time", 1.5},
        {"Startup/LargeProject",
         "project of 200 pages of 50 objects / the same cut to its main page", 1.2}};
    std::printf("\n");
    bool any = false;
    for (const auto& line : lines) {
        const auto found = reporter.results.find(line.Name);
        if (found == reporter.results.end()) continue;
        any = true;
        const auto& result = found->second;
        std::printf("%s: %.2fx (%.1f ms / %.1f ms; target <= %.1fx)\n", line.Text, result.Ratio,
                    result.MeasuredMicros / 1e3, result.BaselineMicros / 1e3, line.Target);
    }
    return any ? 0 : 1;
}
