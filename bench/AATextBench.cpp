// A 20-character label at 24 points drawn by the anti-aliased text renderer at aqNormal, plain
// and with blur plus shadow, against QPainter's own antialiased drawText of the same text into
// an image of the same size. Every benchmark runs three times and the fastest run counts.
#include "FastestReporter.h"
#include "render/AAFontEx.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

const QString kText = QStringLiteral("Brelvane start menu!");
const brelvane::TFont kFont{"Arial", brelvane::RGB(20, 40, 160), 24, 0};

brelvane::TAAEffect BlurAndShadow() {
    brelvane::TAAEffect effect;
    effect.Blur = 50;
    effect.Shadow.Enabled = true;
    return effect;
}

// The renderer on a canvas of exactly the size it measures for the text.
struct Renderer {
    explicit Renderer(const brelvane::TAAEffect& effect) : font(&canvas) {
        canvas.SetFont(kFont);
        font.SetQuality(brelvane::aqNormal);
        font.SetEffect(effect);
        image = QImage(font.TextWidth(kText), font.TextHeight(kText), QImage::Format_RGB32);
        canvas.Image = &image;
    }

    QImage image;
    brelvane::TAACanvas canvas;
    brelvane::TAAFontEx font;
};

void QPainterDrawText(benchmark::State& state, brelvane::TAAEffect effect) {
    const Renderer sized(effect);
    QImage image(sized.image.size(), QImage::Format_RGB32);
    QFont font = sized.canvas.Font;
    font.setStyleStrategy(QFont::PreferAntialias);
    const int ascent = QFontMetrics(font).ascent();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(sized.canvas.FontColor);
        painter.drawText(0, ascent, kText);
        painter.end();
        benchmark::DoNotOptimize(image.bits());
        benchmark::ClobberMemory();
    }
}

void AATextOut(benchmark::State& state, brelvane::TAAEffect effect) {
    Renderer renderer(effect);
    for (auto _ : state) {
        renderer.font.TextOut(0, 0, kText);
        benchmark::DoNotOptimize(renderer.image.bits());
        benchmark::ClobberMemory();
    }
}

struct Case {
    std::string name;
    brelvane::TAAEffect effect;
    double target;
};

void PrintRatios(const std::vector<Case>& cases, const std::map<std::string, TFastestTime>& times) {
    std::printf("\n%-12s %12s %12s %10s %12s %12s %10s %7s\n", "case", "real us", "QPainter",
                "ratio", "cpu us", "QPainter", "ratio", "target");
    for (const Case& c : cases) {
        const auto ours = times.find("AATextOut/" + c.name);
        const auto theirs = times.find("QPainterDrawText/" + c.name);
        if (ours == times.end() || theirs == times.end()) continue;
        const auto [real, cpu] = ours->second;
        const auto [painterReal, painterCpu] = theirs->second;
        std::printf("%-12s %12.2f %12.2f %10.2f %12.2f %12.2f %10.2f %7.0f\n", c.name.c_str(), real,
                    painterReal, real / painterReal, cpu, painterCpu, cpu / painterCpu, c.target);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::vector<Case> cases{{"plain", brelvane::TAAEffect{}, 20},
                                  {"blur+shadow", BlurAndShadow(), 60}};
    using Bench = void (*)(benchmark::State&, brelvane::TAAEffect);
    const std::vector<std::pair<std::string, Bench>> runs{{"QPainterDrawText/", QPainterDrawText},
                                                          {"AATextOut/", AATextOut}};
    for (const Case& c : cases)
        for (const auto& [prefix, run] : runs)
            RepeatForFastest(benchmark::RegisterBenchmark((prefix + c.name).c_str(), run, c.effect)
                                 ->Unit(benchmark::kMicrosecond)
                                 ->ReportAggregatesOnly(true));
    benchmark::Initialize(&argc, argv);
    FastestReporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(cases, reporter.times);
    benchmark::Shutdown();
    return 0;
}
