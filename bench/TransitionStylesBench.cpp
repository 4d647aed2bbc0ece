// One frame of every transition style at 1024 x 768, measured against copying the whole frame
// once (memcpy) in the same run. Each iteration draws the next frame of a default transition
// (step 4, progress 4, 8 ... 96), so a style's time is its average frame. Every benchmark runs
// three times and the fastest run counts, which keeps other load on the machine out of it.
#include "FastestReporter.h"
#include "TransitionFrames.h"
#include "render/TransitionStyles.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace transition_frames;

const QImage& OldImage() {
    static const QImage image = Pattern(0);
    return image;
}

const QImage& NewImage() {
    static const QImage image = Pattern(101);
    return image;
}

void CopyFrame(benchmark::State& state) {
    QImage frame = OldImage().copy();
    for (auto _ : state) {
        std::memcpy(frame.bits(), OldImage().constBits(),
                    static_cast<std::size_t>(OldImage().sizeInBytes()));
        benchmark::DoNotOptimize(frame.bits());
        benchmark::ClobberMemory();
    }
}

void DrawStyle(benchmark::State& state, brelvane::EffectProc proc) {
    QImage frame = OldImage().copy();
    int progress = 0;
    for (auto _ : state) {
        progress = progress + kStep >= 100 ? kStep : progress + kStep;
        proc(frame, NewImage(), frame.rect(), kStep, progress);
        benchmark::DoNotOptimize(frame.bits());
        benchmark::ClobberMemory();
    }
}

std::string StyleName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "Style/%03d", number);
    return name;
}

void PrintRatios(const std::map<std::string, TFastestTime>& times) {
    const auto copy = times.find(kCopyName);
    if (copy == times.end() || copy->second.Real <= 0) return;
    std::printf("\n%-4s %-58s %12s %8s\n", "No.", "Style", "us/frame", "x copy");
    std::vector<std::pair<double, int>> ratios;
    const auto styles = brelvane::TransitionStyles();
    for (int number = 1; number <= brelvane::TransitionStyleCount; ++number) {
        const auto found = times.find(StyleName(number));
        if (found == times.end()) continue;
        const double ratio = found->second.Real / copy->second.Real;
        ratios.emplace_back(ratio, number);
        std::printf("%-4d %-58s %12.1f %8.2f\n", number,
                    styles[static_cast<std::size_t>(number - 1)].Name, found->second.Real, ratio);
    }
    if (ratios.empty()) return;
    std::sort(ratios.begin(), ratios.end());
    const auto& slowest = ratios.back();
    std::printf("\ncopy of the whole frame: %.1f us\n", copy->second.Real);
    std::printf("slowest: %.2f x (style %d)\n", slowest.first, slowest.second);
    std::printf("median:  %.2f x\n", ratios[ratios.size() / 2].first);
}

} // namespace

void Configure(benchmark::internal::Benchmark* benchmark) {
    RepeatForFastest(benchmark->Unit(benchmark::kMicrosecond));
}

int main(int argc, char** argv) {
    Configure(benchmark::RegisterBenchmark(kCopyName.c_str(), CopyFrame));
    const auto styles = brelvane::TransitionStyles();
    for (int number = 1; number <= brelvane::TransitionStyleCount; ++number) {
        Configure(benchmark::RegisterBenchmark(StyleName(number).c_str(), DrawStyle,
                                               styles[static_cast<std::size_t>(number - 1)].Proc));
    }
    benchmark::Initialize(&argc, argv);
    FastestReporter reporter(false);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter.times);
    benchmark::Shutdown();
    return 0;
}
