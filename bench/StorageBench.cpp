// Reading and writing a 1,000-page index and 10 MB of Picture blocks, through
// the file and the memory stream, against moving the same bytes raw with one
// block copy. Prints the ratio of each pair at the end, from the fastest of
// three runs of each side, so that other load on the machine stays out.
#include "FastestReporter.h"
#include "storage/ByteStream.h"
#include "storage/ErrorReport.h"
#include "storage/PictureBlock.h"
#include "storage/ProjectIndex.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace brelvane;
using Bytes = std::vector<std::uint8_t>;

constexpr int kPages = 1000;
constexpr int kPictures = 100;
constexpr std::size_t kPictureSize = 100 * 1024;

TProjectIndex MakeIndex() {
    TProjectIndex index;
    for (int i = 0; i < kPages; ++i) {
        auto page = std::make_unique<TAutoFormInfo>();
        page->Name = "Sub Page " + std::to_string(i);
        page->Kind = pkSubPage;
        page->Offset = i * 4096;
        index.Pages.push_back(std::move(page));
    }
    return index;
}

std::vector<TPicture> MakePictures() {
    std::vector<TPicture> pictures(kPictures);
    for (int i = 0; i < kPictures; ++i) {
        pictures[i].Kind = TPictureKind::Bitmap;
        pictures[i].Data.resize(kPictureSize);
        for (std::size_t j = 0; j < kPictureSize; ++j)
            pictures[i].Data[j] = static_cast<std::uint8_t>(j * 7 + i);
        pictures[i].Data[0] = 'B';
        pictures[i].Data[1] = 'M';
    }
    return pictures;
}

// One workload: its records and their stored bytes.
struct Workload {
    std::string name;
    std::function<bool(TStream&)> write;
    std::function<bool(TStream&)> read;
    Bytes bytes;
};

Workload IndexWorkload() {
    auto stored = std::make_shared<TProjectIndex>(MakeIndex());
    auto target = std::make_shared<TProjectIndex>();
    return {"Index",
            [stored](TStream& s) { return WriteProjectIndex(s, *stored); },
            [target](TStream& s) { return ReadProjectIndex(s, *target); },
            {}};
}

Workload PictureWorkload() {
    auto stored = std::make_shared<std::vector<TPicture>>(MakePictures());
    auto target = std::make_shared<std::vector<TPicture>>(kPictures);
    return {"Pictures",
            [stored](TStream& s) {
                for (const auto& picture : *stored)
                    if (!WritePicture(s, picture)) return false;
                return true;
            },
            [target](TStream& s) {
                for (auto& picture : *target)
                    if (!ReadPicture(s, picture)) return false;
                return true;
            },
            {}};
}

std::string TempPath() {
    return (std::filesystem::temp_directory_path() /
            ("brelvane-bench-" + std::to_string(::getpid()) + ".bin"))
        .string();
}

void Check(bool ok, benchmark::State& state) {
    if (!ok) state.SkipWithError("transfer failed");
}

// The file holds the workload's bytes before a read is timed.
void PrepareFile(const Workload& work, const std::string& path) {
    TFileStream out(path, TFileStream::Mode::Create);
    out.Write(work.bytes.data(), work.bytes.size());
    out.Close();
}

void StreamReadFile(benchmark::State& state, const Workload& work, const std::string& path) {
    PrepareFile(work, path);
    for (auto _ : state) {
        TFileStream stream(path, TFileStream::Mode::Read);
        Check(work.read(stream), state);
    }
}

void RawReadFile(benchmark::State& state, const Workload& work, const std::string& path) {
    PrepareFile(work, path);
    for (auto _ : state) {
        auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(work.bytes.size());
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        Check(::read(fd, buffer.get(), work.bytes.size()) ==
                  static_cast<ssize_t>(work.bytes.size()),
              state);
        ::close(fd);
        benchmark::DoNotOptimize(buffer.get());
    }
}

void StreamWriteFile(benchmark::State& state, const Workload& work, const std::string& path) {
    for (auto _ : state) {
        TFileStream stream(path, TFileStream::Mode::Create);
        Check(work.write(stream), state);
        stream.Close();
    }
}

void RawWriteFile(benchmark::State& state, const Workload& work, const std::string& path) {
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        Check(::write(fd, work.bytes.data(), work.bytes.size()) ==
                  static_cast<ssize_t>(work.bytes.size()),
              state);
        ::close(fd);
    }
}

void StreamReadMemory(benchmark::State& state, const Workload& work) {
    TMemoryStream stream(work.bytes);
    for (auto _ : state) {
        stream.Seek(0);
        Check(work.read(stream), state);
    }
}

void RawReadMemory(benchmark::State& state, const Workload& work) {
    for (auto _ : state) {
        auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(work.bytes.size());
        std::memcpy(buffer.get(), work.bytes.data(), work.bytes.size());
        benchmark::DoNotOptimize(buffer.get());
    }
}

void StreamWriteMemory(benchmark::State& state, const Workload& work) {
    for (auto _ : state) {
        TMemoryStream stream;
        Check(work.write(stream), state);
        benchmark::DoNotOptimize(stream.View().data());
    }
}

void RawWriteMemory(benchmark::State& state, const Workload& work) {
    for (auto _ : state) {
        Bytes copy(work.bytes.begin(), work.bytes.end());
        benchmark::DoNotOptimize(copy.data());
    }
}

void PrintRatios(const FastestReporter& reporter, const std::vector<std::string>& pairs) {
    std::printf("\n%-28s %12s\n", "stream / raw", "ratio");
    for (const auto& pair : pairs) {
        const auto stream = reporter.times.find(pair + "/Stream");
        const auto raw = reporter.times.find(pair + "/Raw");
        if (stream == reporter.times.end() || raw == reporter.times.end()) continue;
        std::printf("%-28s %11.2fx\n", pair.c_str(), stream->second.Real / raw->second.Real);
    }
}

} // namespace

int main(int argc, char** argv) {
    ErrorCollector errors; // a failed transfer is reported by SkipWithError
    const std::string path = TempPath();
    std::vector<Workload> workloads{IndexWorkload(), PictureWorkload()};
    std::vector<std::string> pairs;
    for (auto& work : workloads) {
        TMemoryStream stored;
        if (!work.write(stored)) return 1;
        work.bytes = stored.Bytes();
        const Workload* w = &work;
        const auto add = [&](const std::string& op, auto stream, auto raw) {
            const std::string pair = work.name + "/" + op;
            RepeatForFastest(benchmark::RegisterBenchmark((pair + "/Stream").c_str(), stream))
                ->Unit(benchmark::kMicrosecond);
            RepeatForFastest(benchmark::RegisterBenchmark((pair + "/Raw").c_str(), raw))
                ->Unit(benchmark::kMicrosecond);
            pairs.push_back(pair);
        };
        add(
            "Read/File", [w, path](benchmark::State& s) { StreamReadFile(s, *w, path); },
            [w, path](benchmark::State& s) { RawReadFile(s, *w, path); });
        add(
            "Write/File", [w, path](benchmark::State& s) { StreamWriteFile(s, *w, path); },
            [w, path](benchmark::State& s) { RawWriteFile(s, *w, path); });
        add(
            "Read/Memory", [w](benchmark::State& s) { StreamReadMemory(s, *w); },
            [w](benchmark::State& s) { RawReadMemory(s, *w); });
        add(
            "Write/Memory", [w](benchmark::State& s) { StreamWriteMemory(s, *w); },
            [w](benchmark::State& s) { RawWriteMemory(s, *w); });
    }

    benchmark::Initialize(&argc, argv);
    FastestReporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios(reporter, pairs);
    std::remove(path.c_str());
    return 0;
}
