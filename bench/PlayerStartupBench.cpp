// Time from process start to the first painted main page of the demo
// project without its special pages, through the player's start sequence,
// as a ratio to the start of a process that shows and paints a bare Qt
// window of the same size. Each sample is a fresh process (this program
// started again in one of its two child roles), timed from its start until
// it has painted and ended.
//
// With "--windows PROBE.exe" the children are the Windows build's
// startup_probe.exe under Wine (tools/wine-run.sh) instead: the same ratio
// for the Windows player.
#include "RatioReporter.h"
#include "StartupChildren.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using brelvane::bench::kBareRole;
using brelvane::bench::kDemoRole;

// Starts `command` and waits for it to end, once per iteration.
void RunChild(benchmark::State& state, std::vector<std::string> command) {
    std::vector<char*> args;
    for (auto& part : command)
        args.push_back(part.data());
    args.push_back(nullptr);
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, args[0], nullptr, nullptr, args.data(), environ) != 0) {
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
    if (argc > 1 && std::strcmp(argv[1], kBareRole) == 0)
        return brelvane::bench::BareWindowChild(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], kDemoRole) == 0)
        return brelvane::bench::DemoMainPageChild(argc, argv, BRELVANE_DEMO_FOLDER);

    std::vector<std::string> bare{argv[0], kBareRole};
    std::vector<std::string> demo{argv[0], kDemoRole};
    if (argc > 2 && std::strcmp(argv[1], "--windows") == 0) {
        bare = {BRELVANE_WINE_RUN, argv[2], kBareRole};
        demo = {BRELVANE_WINE_RUN, argv[2], kDemoRole, BRELVANE_DEMO_FOLDER};
        // The benchmark library reads the options after the two taken here.
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }
    benchmark::RegisterBenchmark("Startup/BareWindow", RunChild, bare)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Startup/DemoMainPage", RunChild, demo)
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
