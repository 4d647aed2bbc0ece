// The picture transition control's frames at 1024 x 768: composing one frame
// (old image, the style's part of the new picture) against copying the whole
// frame once, for every style, the two taken in turns so that load on the
// machine meets both alike; and the pace of a whole transition, 25 frames at a
// delay of 40 ms, against its nominal second.
#include "InterleavedRatio.h"
#include "TransitionFrames.h"
#include "objects/controls/TransitionControl.h"
#include "render/TransitionComposer.h"
#include "render/TransitionStyles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace transition_frames;

brelvane::TTransitionImages& Images() {
    static brelvane::TTransitionImages images{Pattern(0), Pattern(101), Pattern(0)};
    return images;
}

constexpr int kRounds = 15;

void ComposeFrame(benchmark::State& state, int style) {
    auto& images = Images();
    QImage copy = images.Old.copy();
    int progress = 0;
    interleaved::RunRounds(
        state, kFramesPerTransition,
        [&] {
            progress = progress + kStep >= 100 ? kStep : progress + kStep;
            brelvane::UpdateFrame(images, style, kStep, progress, {});
            benchmark::DoNotOptimize(images.Frame.bits());
            benchmark::ClobberMemory();
        },
        [&] {
            std::memcpy(copy.bits(), images.Old.constBits(),
                        static_cast<std::size_t>(images.Old.sizeInBytes()));
            benchmark::DoNotOptimize(copy.bits());
            benchmark::ClobberMemory();
        });
}

std::string StyleName(int number) {
    char name[24];
    std::snprintf(name, sizeof name, "UpdateFrame/%03d", number);
    return name;
}

void PrintFrameRatios(const std::map<std::string, interleaved::TResult>& results) {
    std::vector<std::pair<double, int>> ratios;
    for (int number = 1; number <= brelvane::TransitionStyleCount; ++number) {
        const auto found = results.find(StyleName(number));
        if (found != results.end()) ratios.emplace_back(found->second.Ratio, number);
    }
    if (ratios.empty()) return;
    const auto style51 = results.find(StyleName(51));
    if (style51 != results.end())
        std::printf("\nUpdateFrame, style 51: %.2f x copy (%.1f us, copy %.1f us)\n",
                    style51->second.Ratio, style51->second.MeasuredMicros,
                    style51->second.BaselineMicros);
    std::sort(ratios.begin(), ratios.end());
    std::printf("UpdateFrame, median of all styles: %.2f x copy\n",
                ratios[ratios.size() / 2].first);
    std::printf("UpdateFrame, slowest: %.2f x copy (style %d)\n", ratios.back().first,
                ratios.back().second);
}

struct TPace {
    double TotalMs = 0;      // Execute to OnStop
    double MeanPeriodMs = 0; // between the first and the last frame
};

// A whole threaded transition of a hidden control.
TPace Transition(int style) {
    brelvane::TTransitionControl control;
    control.SetStyle(style);
    control.SetStep(kStep);
    control.SetDelay(40);
    control.SetPicture(Images().New);
    bool ended = false;
    control.OnStop = [&] { ended = true; };
    std::vector<qint64> frames;
    QElapsedTimer timer;
    // OnProgress runs on the worker, which alone touches `frames` until the end.
    control.OnProgress = [&] { frames.push_back(timer.nsecsElapsed()); };
    timer.start();
    control.Execute();
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    TPace pace;
    pace.TotalMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (frames.size() > 1)
        pace.MeanPeriodMs = static_cast<double>(frames.back() - frames.front()) / 1e6 /
                            static_cast<double>(frames.size() - 1);
    return pace;
}

void PrintPace() {
    std::printf("\n25 frames at delay 40 (style 51, 1024 x 768), nominal 1000 ms:\n");
    for (int i = 0; i < 3; ++i) {
        const TPace pace = Transition(51);
        // The last frame is not waited out: the transition ends when it is shown.
        std::printf("  Execute to end %.1f ms = %.3f x 24 periods; frame period %.2f ms = %.3f x "
                    "delay; 25 periods %.1f ms = %.3f x nominal\n",
                    pace.TotalMs, pace.TotalMs / 960.0, pace.MeanPeriodMs, pace.MeanPeriodMs / 40.0,
                    25 * pace.MeanPeriodMs, 25 * pace.MeanPeriodMs / 1000.0);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (int number = 1; number <= brelvane::TransitionStyleCount; ++number)
        interleaved::Configure(
            benchmark::RegisterBenchmark(StyleName(number).c_str(), ComposeFrame, number), kRounds);
    benchmark::Initialize(&argc, argv);
    interleaved::Reporter reporter(false);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintFrameRatios(reporter.results);
    PrintPace();
    benchmark::Shutdown();
    return 0;
}
