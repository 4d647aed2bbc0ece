// The customized hint: placing and painting a three-line gradient balloon
// against QPainter drawing the same text word-wrapped into an image of the
// balloon's size (target at most 5x). The full-screen viewer: a 4000 x 3000
// JPEG from its file to the first painted frame on a 1024 x 768 screen
// against decoding the JPEG alone (target at most 1.3x). Every benchmark
// runs three times and the fastest run counts.
#include "FastestReporter.h"
#include "player/LaunchSlideShowForm.h"
#include "player/NewHint.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

const QString kHintText = QStringLiteral(
    "Installs the program on this computer\nand opens its folder when done\nabout two minutes");
const QRect kScreen(0, 0, 1024, 768);
std::string jpegPath;

brelvane::THintSettings GradientHint() {
    brelvane::THintSettings settings;
    settings.UseCustomizedHint = true;
    settings.BackStyle = 4;
    settings.Direction = 2;
    return settings;
}

void HintActivateAndPaint(benchmark::State& state) {
    brelvane::TNewHint hint(GradientHint(), true);
    const QImage behind(kScreen.size(), QImage::Format_ARGB32_Premultiplied);
    const QRect rect = hint.CalcHintRect(kScreen.width(), kHintText).translated(300, 300);
    for (auto _ : state) {
        hint.ActivateHintOn(rect, kHintText, kScreen, &behind);
        benchmark::DoNotOptimize(hint.WorkImage().constBits());
    }
    hint.hide();
}

// The painting alone, without placing, capturing and showing the window.
void HintPaintOnly(benchmark::State& state) {
    brelvane::TNewHint hint(GradientHint(), true);
    const QImage behind(kScreen.size(), QImage::Format_ARGB32_Premultiplied);
    hint.ActivateHintOn(hint.CalcHintRect(kScreen.width(), kHintText).translated(300, 300),
                        kHintText, kScreen, &behind);
    hint.hide();
    for (auto _ : state) {
        hint.Paint();
        benchmark::DoNotOptimize(hint.WorkImage().constBits());
    }
}

void QPainterWrappedText(benchmark::State& state) {
    brelvane::TNewHint hint(GradientHint(), true);
    hint.ActivateHintOn(hint.CalcHintRect(kScreen.width(), kHintText).translated(300, 300),
                        kHintText, kScreen, nullptr);
    hint.hide();
    QImage image(hint.WorkImage().size(), QImage::Format_ARGB32_Premultiplied);
    QFont font("Tahoma");
    font.setPixelSize(13);
    font.setBold(true);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(image.rect(), Qt::TextWordWrap, kHintText);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void ViewerFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        brelvane::TLaunchSlideShowForm viewer(kScreen);
        if (!viewer.PreparePicture(jpegPath)) state.SkipWithError("picture not shown");
        const QPixmap frame = viewer.grab();
        benchmark::DoNotOptimize(frame.cacheKey());
    }
}

void DecodeJpeg(benchmark::State& state) {
    for (auto _ : state) {
        QImageReader reader(QString::fromStdString(jpegPath));
        const QImage image = reader.read();
        if (image.isNull()) state.SkipWithError("not decoded");
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A photo-like 4000 x 3000 picture: gradients and circles, JPEG quality 90.
bool WriteJpeg(const std::string& path) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor(40, 90, 180));
    sky.setColorAt(1, QColor(240, 170, 80));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 200; ++i) {
        painter.setBrush(QColor::fromHsv((i * 37) % 360, 160, 220));
        painter.drawEllipse(QPoint((i * 613) % 4000, (i * 389) % 3000), 40 + i % 90, 40 + i % 70);
    }
    painter.end();
    return image.save(QString::fromStdString(path), "JPG", 90);
}

void PrintRatio(const FastestReporter& reporter, const char* what, const char* measured,
                const char* reference, double target) {
    const auto a = reporter.times.find(measured);
    const auto b = reporter.times.find(reference);
    if (a == reporter.times.end() || b == reporter.times.end()) return;
    std::printf("%-28s %10.3f ms %10.3f ms   ratio %5.2f (target <= %.1f)\n", what, a->second.Real,
                b->second.Real, a->second.Real / b->second.Real, target);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    jpegPath = QDir::temp().filePath("brelvane-bench-4000x3000.jpg").toStdString();
    if (!WriteJpeg(jpegPath)) {
        std::fprintf(stderr, "cannot write %s\n", jpegPath.c_str());
        return 1;
    }
    using Body = void (*)(benchmark::State&);
    const std::pair<const char*, Body> runs[] = {{"HintActivateAndPaint", HintActivateAndPaint},
                                                 {"HintPaintOnly", HintPaintOnly},
                                                 {"QPainterWrappedText", QPainterWrappedText},
                                                 {"ViewerFirstFrame", ViewerFirstFrame},
                                                 {"DecodeJpeg", DecodeJpeg}};
    for (const auto& [name, body] : runs)
        RepeatForFastest(benchmark::RegisterBenchmark(name, body)
                             ->Unit(benchmark::kMillisecond)
                             ->UseRealTime()
                             ->ReportAggregatesOnly(true));
    benchmark::Initialize(&argc, argv);
    FastestReporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    PrintRatio(reporter, "hint balloon vs text", "HintActivateAndPaint", "QPainterWrappedText", 5);
    PrintRatio(reporter, "(painting alone vs text)", "HintPaintOnly", "QPainterWrappedText", 5);
    PrintRatio(reporter, "viewer picture vs decode", "ViewerFirstFrame", "DecodeJpeg", 1.3);
    benchmark::Shutdown();
    QDir().remove(QString::fromStdString(jpegPath));
    return 0;
}
