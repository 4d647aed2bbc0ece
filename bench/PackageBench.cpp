// Packing and unpacking a 200 MB tree of 2,000 files, against tar creating and
// extracting the same tree in the same run. Prints package / tar at the end.
#include "BenchTree.h"
#include "RatioReporter.h"
#include "project/Package.h"
#include "storage/ByteStream.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace brelvane;
namespace fs = std::filesystem;

constexpr int kRepeats = 5;

// The tree, the package and tar files and the extraction folders live here.
struct Workspace {
    fs::path root;
    fs::path Tree() const { return root / "tree"; }
    fs::path Package() const { return root / "tree.pkg"; }
    fs::path Tar() const { return root / "tree.tar"; }
    fs::path Out() const { return root / "out"; }
};

Workspace& Space() {
    static Workspace space;
    return space;
}

void FreshOut() {
    fs::remove_all(Space().Out());
    fs::create_directory(Space().Out());
}

void Run(benchmark::State& state, const std::string& command) {
    if (std::system(command.c_str()) != 0) state.SkipWithError(command.c_str());
}

void PackPackage(benchmark::State& state) {
    for (auto _ : state) {
        TFileStream out(Space().Package().string(), TFileStream::Mode::Create);
        if (!WritePackage(out, Space().Tree().string())) state.SkipWithError("pack failed");
        out.Close();
    }
}

void PackTar(benchmark::State& state) {
    const auto command =
        "tar -cf '" + Space().Tar().string() + "' -C '" + Space().Tree().string() + "' .";
    for (auto _ : state)
        Run(state, command);
}

void UnpackPackage(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        FreshOut();
        state.ResumeTiming();
        TFileStream in(Space().Package().string(), TFileStream::Mode::Read);
        if (!ReadPackage(in, Space().Out().string(), {})) state.SkipWithError("unpack failed");
    }
}

void UnpackTar(benchmark::State& state) {
    const auto command =
        "tar -xf '" + Space().Tar().string() + "' -C '" + Space().Out().string() + "'";
    for (auto _ : state) {
        state.PauseTiming();
        FreshOut();
        state.ResumeTiming();
        Run(state, command);
    }
}

void PrintRatio(const RatioReporter& reporter, const char* label, const std::string& operation) {
    const double ratio = reporter.Ratio(RepeatedName(operation + "/Package", kRepeats),
                                        RepeatedName(operation + "/Tar", kRepeats));
    if (ratio > 0) std::printf("%-10s package / tar %6.2fx\n", label, ratio);
}

} // namespace

int main(int argc, char** argv) {
    auto pattern = (fs::temp_directory_path() / "brelvane-package-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    Space().root = pattern;
    MakeTree(Space().Tree());

    using Body = void (*)(benchmark::State&);
    const std::pair<const char*, Body> benchmarks[] = {{"Pack/Package", PackPackage},
                                                       {"Pack/Tar", PackTar},
                                                       {"Unpack/Package", UnpackPackage},
                                                       {"Unpack/Tar", UnpackTar}};
    RegisterRepeated(benchmarks, kRepeats);
    RatioReporter reporter;
    RunRegistered(argc, argv, reporter);
    std::printf("\n");
    PrintRatio(reporter, "Pack", "Pack");
    PrintRatio(reporter, "Unpack", "Unpack");
    fs::remove_all(Space().root);
    return 0;
}
