// One frame of every transition style at 1024 x 768, measured against copying the whole frame
// once (memcpy) in the same run. A round copies the frame 24 times and then draws the 24 frames
// of a default transition (step 4, progress 4, 8 ... 96); rounds of copies and frames alternate,
// so that load on the machine meets style and copy alike. Each frame counts with its fastest
// time over the rounds, and so does each copy.
#include "InterleavedRatio.h"
#include "TransitionFrames.h"
#include "render/TransitionStyles.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace transition_frames;

constexpr int kRounds = 15;
// Every style's frame at most this many frame copies.
constexpr double kStyleTarget = 10;

const QImage& OldImage() {
    static const QImage image = Pattern(0);
    return image;
}

const QImage& NewImage() {
    static const QImage image = Pattern(101);
    return image;
}

void DrawStyle(benchmark::State& state, brelvane::EffectProc proc) {
    QImage frame = OldImage().copy();
    QImage copy = OldImage().copy();
    int progress = 0;
    interleaved::RunRounds(
        state, kFramesPerTransition,
        [&] {
            progress = progress + kStep >= 100 ? kStep : progress + kStep;
            proc(frame, NewImage(), frame.rect(), kStep, progress);
            benchmark::DoNotOptimize(frame.bits());
            benchmark::ClobberMemory();
        },
        [&] {
            std::memcpy(copy.bits(), OldImage().constBits(),
                        static_cast<std::size_t>(OldImage().sizeInBytes()));
            benchmark::DoNotOptimize(copy.bits());
            benchmark::ClobberMemory();
        });
}

std::string StyleName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "Style/%03d", number);
    return name;
}

void PrintRatios(const std::map<std::string, interleaved::TResult>& results) {
    std::printf("\n%-4s %-58s %10s %10s %8s\n", "No.", "Style", "us/frame", "copy us", "x copy");
    std::vector<std::pair<double, int>> ratios;
    const auto styles = brelvane::TransitionStyles();
    for (int number = 1; number <= brelvane::TransitionStyleCount; ++number) {
        const auto found = results.find(StyleName(number));
        if (found == results.end()) continue;
        const auto& result = found->second;
        ratios.emplace_back(result.Ratio, number);
        std::printf("%-4d %-58s %10.1f %10.1f %8.2f\n", number,
                    styles[static_cast<std::size_t>(number - 1)].Name, result.MeasuredMicros,
                    result.BaselineMicros, result.Ratio);
    }
    if (ratios.empty()) return;
    std::sort(ratios.begin(), ratios.end());
    std::printf("\nslowest: %.2f x (style %d)\n", ratios.back().first, ratios.back().second);
    std::printf("median:  %.2f x\n", ratios[ratios.size() / 2].first);
    std::printf("styles above %.0f x:", kStyleTarget);
    const auto firstAbove =
        std::upper_bound(ratios.begin(), ratios.end(), std::make_pair(kStyleTarget, INT_MAX));
    for (auto above = firstAbove; above != ratios.end(); ++above)
        std::printf(" %d (%.2f x)", above->second, above->first);
    std::printf(firstAbove == ratios.end() ? " none\n" : "\n");
}

} // namespace

int main(int argc, char** argv) {
    const auto styles = brelvane::TransitionStyles();
    for (int number = 1; number <= brelvane::TransitionStyleCount; ++number)
        interleaved::Configure(
            benchmark::RegisterBenchmark(StyleName(number).c_str(), DrawStyle,
                                         styles[static_cast<std::size_t>(number - 1)].Proc),
            kRounds);
    benchmark::Initialize(&argc, argv);
    interleaved::Reporter reporter(false);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter.results);
    benchmark::Shutdown();
    return 0;
}
