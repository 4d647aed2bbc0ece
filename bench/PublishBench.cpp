// Publishing a 200 MB tree of 2,000 files to a folder against `cp -r` of it,
// and as a disc image against xorriso alone on the same tree, in the same
// run. Prints publish / reference at the end.
#include "BenchTree.h"
#include "RatioReporter.h"
#include "publish/DiscImage.h"
#include "publish/FolderPublish.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

using namespace brelvane;
namespace fs = std::filesystem;

constexpr int kRepeats = 3;

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

void Fresh(benchmark::State& state) {
    state.PauseTiming();
    fs::remove_all(Out());
    fs::remove(Image());
    state.ResumeTiming();
}

void FolderPublish(benchmark::State& state) {
    for (auto _ : state) {
        Fresh(state);
        if (PublishFolder(Tree().string(), Out().string(), Runtime()) != TPublishResult::Done)
            state.SkipWithError("publish failed");
    }
}

void FolderCopy(benchmark::State& state) {
    const auto command = "cp -r '" + Tree().string() + "' '" + Out().string() + "'";
    for (auto _ : state) {
        Fresh(state);
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
    }
}

void ImagePublish(benchmark::State& state) {
    for (auto _ : state) {
        Fresh(state);
        if (WriteDiscImage(Tree().string(), Runtime(), Image(), "Bench", RunProgram) !=
            TPublishResult::Done)
            state.SkipWithError("image failed");
    }
}

void ImageXorriso(benchmark::State& state) {
    const auto command = DiscImageCommand(Tree().string(), OwnPlayer(Runtime()), Image(), "BENCH");
    for (auto _ : state) {
        Fresh(state);
        if (RunProgram(command) != 0) state.SkipWithError("xorriso failed");
    }
}

void PrintRatio(const RatioReporter& reporter, const char* label, const std::string& measured,
                const std::string& reference) {
    const double ratio =
        reporter.Ratio(RepeatedName(measured, kRepeats), RepeatedName(reference, kRepeats));
    if (ratio > 0) std::printf("%-7s publish / %s %6.2fx\n", label, reference.c_str(), ratio);
}

} // namespace

int main(int argc, char** argv) {
    auto pattern = (fs::temp_directory_path() / "brelvane-publish-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    Root() = pattern;
    MakeTree(Tree());

    using Body = void (*)(benchmark::State&);
    const std::pair<const char*, Body> benchmarks[] = {{"Folder/Publish", FolderPublish},
                                                       {"Folder/cp", FolderCopy},
                                                       {"Image/Publish", ImagePublish},
                                                       {"Image/xorriso", ImageXorriso}};
    RegisterRepeated(benchmarks, kRepeats);
    RatioReporter reporter;
    RunRegistered(argc, argv, reporter);
    std::printf("\n");
    PrintRatio(reporter, "Folder", "Folder/Publish", "Folder/cp");
    PrintRatio(reporter, "Image", "Image/Publish", "Image/xorriso");
    fs::remove_all(Root());
    return 0;
}
