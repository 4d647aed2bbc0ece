// A rich-text document of 1 MB in its stored RTF form: reading it into the
// paragraph model and writing it again, against moving the same bytes as one
// block (in memory and through a file); showing it in a QTextDocument and
// taking it back, against QTextDocument's own setHtml() of the document's
// toHtml() and toHtml() itself. Every benchmark runs three times and the
// fastest run counts.
#include "FastestReporter.h"
#include "render/RtfTextDocument.h"
#include "storage/rtf/RtfReader.h"
#include "storage/rtf/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace brelvane;

constexpr std::size_t kDocumentBytes = 1 << 20;

// Mixed formatting as an author writes it: headings, a run of a few words
// per format, colours, bullets, indents, accented and non-Latin letters, tabs.
TRtfDocument MakeDocument() {
    TRtfDocument document;
    document.Fonts = {TRtfFont{"Arial", TRtfFontFamily::Swiss, 0, 2},
                      TRtfFont{"Times New Roman", TRtfFontFamily::Roman, 0, 2},
                      TRtfFont{"Courier New", TRtfFontFamily::Modern, 0, 1}};
    const std::array<const char*, 8> words{"menu ",
                                           "disc ",
                                           "caf\xc3\xa9 ",
                                           "start ",
                                           "price 20\xe2\x82\xac ",
                                           "\xd0\x96\xd1\x83\xd0\xba ",
                                           "page\t",
                                           "install "};
    const std::array<TRtfColor, 3> colors{TRtfColor{255, 0, 0}, TRtfColor{0, 128, 0},
                                          TRtfColor{0, 0, 255}};
    for (int p = 0; p % 64 != 0 || WriteRtf(document).size() < kDocumentBytes; ++p) {
        TRtfParagraph paragraph;
        paragraph.Format.Alignment = static_cast<TRtfAlignment>(p % 4);
        paragraph.Format.Bullet = p % 7 >= 4;
        paragraph.Format.LeftIndent = paragraph.Format.Bullet ? 720 : (p % 3) * 360;
        paragraph.Format.FirstIndent = paragraph.Format.Bullet ? -360 : 0;
        for (int r = 0; r < 12; ++r) {
            TRtfRun run;
            run.Format.Font = (p + r) % 3;
            run.Format.HalfPoints = p % 11 == 0 ? 32 : 20 + (r % 3) * 2;
            run.Format.Bold = r % 4 == 1;
            run.Format.Italic = r % 5 == 2;
            run.Format.Underline = r % 6 == 3;
            run.Format.Strike = r % 17 == 5;
            if (r % 3 == 0) run.Format.Color = colors[static_cast<std::size_t>(p + r) % 3];
            for (int w = 0; w < 6; ++w)
                run.Text += words[static_cast<std::size_t>(p * 7 + r + w) % 8];
            if (r == 6 && p % 5 == 0) run.Text += "\n";
            paragraph.Runs.push_back(std::move(run));
        }
        paragraph.MarkFormat = paragraph.Runs.back().Format;
        document.Paragraphs.push_back(std::move(paragraph));
    }
    return document;
}

struct Data {
    std::string rtf;
    TRtfDocument model;
    QString html;
    std::string path;
};

std::string ReadFileBlock(const std::string& path, std::size_t size) {
    std::string bytes(size, '\0');
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file || std::fread(bytes.data(), 1, size, file) != size) bytes.clear();
    if (file) std::fclose(file);
    return bytes;
}

bool WriteFileBlock(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

void Check(bool ok, benchmark::State& state) {
    if (!ok) state.SkipWithError("transfer failed");
}

void ModelRtf(benchmark::State& state, const Data& data) {
    for (auto _ : state) {
        const TRtfReadResult read = ReadRtf(data.rtf, TRtfRecovery::StopAtFault);
        const std::string written = WriteRtf(read.Document);
        Check(!read.Fault && written.size() == data.rtf.size(), state);
    }
}

void ModelBlock(benchmark::State& state, const Data& data) {
    for (auto _ : state) {
        const std::string read(data.rtf.begin(), data.rtf.end());
        std::string written(read.begin(), read.end());
        benchmark::DoNotOptimize(written.data());
    }
}

void FileRtf(benchmark::State& state, const Data& data) {
    for (auto _ : state) {
        const TRtfReadResult read =
            ReadRtf(ReadFileBlock(data.path, data.rtf.size()), TRtfRecovery::StopAtFault);
        Check(!read.Fault && WriteFileBlock(data.path + ".out", WriteRtf(read.Document)), state);
    }
}

void FileBlock(benchmark::State& state, const Data& data) {
    for (auto _ : state)
        Check(WriteFileBlock(data.path + ".out", ReadFileBlock(data.path, data.rtf.size())), state);
}

void ImportRtf(benchmark::State& state, const Data& data) {
    QTextDocument document;
    for (auto _ : state)
        LoadRtfIntoTextDocument(data.model, document);
    Check(document.characterCount() > 1000, state);
}

void ImportHtml(benchmark::State& state, const Data& data) {
    QTextDocument document;
    for (auto _ : state)
        document.setHtml(data.html);
    Check(document.characterCount() > 1000, state);
}

void ReadRtfIntoDocument(benchmark::State& state, const Data& data) {
    QTextDocument document;
    for (auto _ : state)
        LoadRtfIntoTextDocument(ReadRtf(data.rtf, TRtfRecovery::StopAtFault).Document, document);
    Check(document.characterCount() > 1000, state);
}

void ExportRtf(benchmark::State& state, const QTextDocument& document) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfFromTextDocument(document).Paragraphs.data());
}

void ExportHtml(benchmark::State& state, const QTextDocument& document) {
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toHtml().size());
}

void WriteRtfFromDocument(benchmark::State& state, const QTextDocument& document) {
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteRtf(RtfFromTextDocument(document)).size());
}

struct Pair {
    const char* what;
    const char* ours;
    const char* theirs;
    double target;
};

// Real and CPU time side by side: on a busy machine the real times of the
// file benchmarks wait for the disk and the other processes.
void PrintRatios(const std::vector<Pair>& pairs, const std::map<std::string, TFastestTime>& times,
                 std::size_t bytes) {
    std::printf("\nRTF document of %zu bytes\n%-34s %9s %9s %8s %9s %9s %8s %7s\n", bytes,
                "measure", "ours ms", "base ms", "ratio", "ours cpu", "base cpu", "ratio",
                "target");
    for (const Pair& pair : pairs) {
        const auto ours = times.find(pair.ours);
        const auto theirs = times.find(pair.theirs);
        if (ours == times.end() || theirs == times.end()) continue;
        const auto [real, cpu] = ours->second;
        const auto [baseReal, baseCpu] = theirs->second;
        std::printf("%-34s %9.2f %9.2f %7.2fx %9.2f %9.2f %7.2fx %6.1fx\n", pair.what, real / 1000,
                    baseReal / 1000, real / baseReal, cpu / 1000, baseCpu / 1000, cpu / baseCpu,
                    pair.target);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    Data data;
    data.rtf = WriteRtf(MakeDocument());
    data.model = ReadRtf(data.rtf, TRtfRecovery::StopAtFault).Document;
    QTextDocument shown;
    LoadRtfIntoTextDocument(data.model, shown);
    data.html = shown.toHtml();
    data.path =
        (std::filesystem::temp_directory_path() /
         ("brelvane-rtf-bench-" + std::to_string(QCoreApplication::applicationPid()) + ".rtf"))
            .string();
    if (!WriteFileBlock(data.path, data.rtf)) return 1;

    const auto add = [](const char* name, auto run) {
        RepeatForFastest(benchmark::RegisterBenchmark(name, run)
                             ->Unit(benchmark::kMicrosecond)
                             ->ReportAggregatesOnly(true));
    };
    const Data* d = &data;
    const QTextDocument* document = &shown;
    add("ModelRtf", [d](benchmark::State& s) { ModelRtf(s, *d); });
    add("ModelBlock", [d](benchmark::State& s) { ModelBlock(s, *d); });
    add("FileRtf", [d](benchmark::State& s) { FileRtf(s, *d); });
    add("FileBlock", [d](benchmark::State& s) { FileBlock(s, *d); });
    add("ImportRtf", [d](benchmark::State& s) { ImportRtf(s, *d); });
    add("ImportHtml", [d](benchmark::State& s) { ImportHtml(s, *d); });
    add("ReadRtfIntoDocument", [d](benchmark::State& s) { ReadRtfIntoDocument(s, *d); });
    add("ExportRtf", [document](benchmark::State& s) { ExportRtf(s, *document); });
    add("ExportHtml", [document](benchmark::State& s) { ExportHtml(s, *document); });
    add("WriteRtfFromDocument",
        [document](benchmark::State& s) { WriteRtfFromDocument(s, *document); });

    benchmark::Initialize(&argc, argv);
    FastestReporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios({{"model read+write / block, memory", "ModelRtf", "ModelBlock", 10},
                 {"model read+write / block, file", "FileRtf", "FileBlock", 10},
                 {"import / setHtml(toHtml())", "ImportRtf", "ImportHtml", 1},
                 {"export / toHtml()", "ExportRtf", "ExportHtml", 1},
                 {"read RTF into document / setHtml", "ReadRtfIntoDocument", "ImportHtml", 2},
                 {"document to RTF bytes / toHtml()", "WriteRtfFromDocument", "ExportHtml", 1}},
                reporter.times, data.rtf.size());
    benchmark::Shutdown();
    std::filesystem::remove(data.path);
    std::filesystem::remove(data.path + ".out");
    return 0;
}
