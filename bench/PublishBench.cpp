// Publishing a 200 MB tree of 2,000 files to a folder against `cp -r` of it,
// and as a disc image against xorriso alone on the same tree, in the same
// run, each pair in turns. Prints publish / reference at the end.
#include "BenchTree.h"
#include "RatioReporter.h"
#include "publish/DiscImage.h"
#include "publish/FolderPublish.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <unistd.h>

namespace {

using namespace brelvane;
namespace fs = std::filesystem;

constexpr int kTurns = 5;

fs::path& Root() {
    static fs::path root;
    return root;
}
fs::path Tree() {
    return Root() / "tree";
}
fs::path Out() {
    return Root() / "out";
}
// Publishing adds the player's runtime folder; an empty one keeps the
// comparison to the tree alone.
std::string Runtime() {
    const auto folder = Root() / "AutoRunRuntime";
    fs::create_directories(folder);
    return folder.string();
}
std::string Image() {
    return (Root() / "tree.iso").string();
}

// Each side's fastest run over the turns of a pair.
struct TPairTimes {
    double Measured = 1e300;
    double Reference = 1e300;
};
std::map<std::string, TPairTimes>& Fastest() {
    static std::map<std::string, TPairTimes> times;
    return times;
}

void Fresh() {
    fs::remove_all(Out());
    fs::remove(Image());
}

// Seconds one run of `body` takes from a fresh output; negative when it failed.
template <class Body> double Timed(Body body) {
    Fresh();
    const auto start = std::chrono::steady_clock::now();
    const bool done = body();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return done ? took.count() : -1;
}

// One run of each side per iteration, so that the load of a shared machine
// falls on both alike; the fastest run of each side counts.
template <class Measured, class Reference>
void InTurns(benchmark::State& state, const std::string& pair, Measured measured,
             Reference reference) {
    auto& fastest = Fastest()[pair];
    for (auto _ : state) {
        const double a = Timed(measured);
        const double b = Timed(reference);
        if (a < 0 || b < 0) {
            state.SkipWithError("a run failed");
            return;
        }
        fastest.Measured = std::min(fastest.Measured, a);
        fastest.Reference = std::min(fastest.Reference, b);
    }
}

void Folder(benchmark::State& state) {
    const auto command = "cp -r '" + Tree().string() + "' '" + Out().string() + "'";
    InTurns(
        state, "Folder",
        [] {
            return PublishFolder(Tree().string(), Out().string(), Runtime()) ==
                   TPublishResult::Done;
        },
        [&] { return std::system(command.c_str()) == 0; });
}

void Image(benchmark::State& state) {
    const auto command = DiscImageCommand(Tree().string(), OwnPlayer(Runtime()), Image(), "BENCH");
    InTurns(
        state, "Image",
        [] {
            return WriteDiscImage(Tree().string(), Runtime(), Image(), "Bench", RunProgram) ==
                   TPublishResult::Done;
        },
        [&] { return RunProgram(command) == 0; });
}

} // namespace

int main(int argc, char** argv) {
    auto pattern = (fs::temp_directory_path() / "brelvane-publish-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    Root() = pattern;
    MakeTree(Tree());

    using Body = void (*)(benchmark::State&);
    const std::pair<const char*, Body> benchmarks[] = {{"Folder", Folder}, {"Image", Image}};
    RegisterRepeated(benchmarks, kTurns);
    RatioReporter reporter;
    RunRegistered(argc, argv, reporter);
    std::printf("\n");
    for (const auto& [pair, times] : Fastest())
        if (times.Reference < 1e300)
            std::printf("%-7s publish / %s %6.2fx (fastest of %d turns: %.3f s / %.3f s)\n",
                        pair.c_str(), pair == "Folder" ? "cp -r" : "xorriso",
                        times.Measured / times.Reference, kTurns, times.Measured, times.Reference);
    fs::remove_all(Root());
    return 0;
}
