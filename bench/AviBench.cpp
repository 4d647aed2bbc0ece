// AVI frames drawn into the 32-bit picture against a plain copy of such a
// picture: an RLE8 delta frame, a full RLE8 frame and an uncompressed 24-bit
// frame of 640 x 480, each with its ratio printed after the runs. Each kind of
// frame and the copy run in alternating rounds, so that load on the machine
// meets both alike, and each counts with its fastest call.
#include "InterleavedRatio.h"
#include "storage/avi/AviClip.h"
#include "storage/avi/AviFrameDecoder.h"
#include "storage/avi/AviWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using namespace brelvane;

constexpr std::int32_t kWidth = 640, kHeight = 480;

// A picture of bands and noise-like texture, as a clip's first frame.
std::vector<std::uint8_t> BaseFrame() {
    std::vector<std::uint8_t> frame(kWidth * kHeight);
    for (std::int32_t y = 0; y < kHeight; ++y)
        for (std::int32_t x = 0; x < kWidth; ++x)
            frame[y * kWidth + x] =
                static_cast<std::uint8_t>((x / 16 + y / 12) % 200 + (x * y) % 3);
    return frame;
}

// The next frame: a box moved across the picture, about a tenth of it changed.
std::vector<std::uint8_t> MovedFrame(std::vector<std::uint8_t> frame) {
    for (std::int32_t y = 180; y < 300; ++y)
        for (std::int32_t x = 240; x < 400; ++x)
            frame[y * kWidth + x] = static_cast<std::uint8_t>(220 + (x + y) % 30);
    return frame;
}

TAviClip Clip(std::uint16_t bits, std::uint32_t compression) {
    TAviClip clip;
    clip.Width = kWidth;
    clip.Height = kHeight;
    clip.BitCount = bits;
    clip.Compression = compression;
    for (std::uint32_t i = 0; i < 256; ++i)
        clip.Palette.push_back(0xff000000u | i * 0x010101u);
    return clip;
}

constexpr int kCallsPerRound = 10;
constexpr int kRounds = 40;

void DecodeAgainstCopy(benchmark::State& state, const TAviClip& clip,
                       const std::vector<std::uint8_t>& data) {
    TAviFrameDecoder decoder(clip);
    const std::vector<std::uint32_t> source(kWidth * kHeight, 0xff336699u);
    std::vector<std::uint32_t> target(source.size());
    interleaved::RunRounds(
        state, kCallsPerRound,
        [&] {
            benchmark::DoNotOptimize(decoder.Decode(data));
            benchmark::DoNotOptimize(decoder.Pixels().data());
            benchmark::ClobberMemory();
        },
        [&] {
            std::memcpy(target.data(), source.data(), source.size() * sizeof(std::uint32_t));
            benchmark::DoNotOptimize(target.data());
            benchmark::ClobberMemory();
        });
}

} // namespace

int main(int argc, char** argv) {
    const auto base = BaseFrame();
    const auto moved = MovedFrame(base);
    const auto delta = EncodeRle8(moved, &base, kWidth, kHeight);
    const auto full = EncodeRle8(base, nullptr, kWidth, kHeight);
    std::vector<std::uint8_t> rgb24(kWidth * kHeight * 3);
    for (std::size_t i = 0; i < rgb24.size(); ++i)
        rgb24[i] = static_cast<std::uint8_t>(i * 7);
    const auto rle8 = Clip(8, acRle8);
    const auto rgb = Clip(24, acRgb);

    interleaved::Configure(
        benchmark::RegisterBenchmark(
            "Rle8Delta", [&](benchmark::State& s) { DecodeAgainstCopy(s, rle8, delta); }),
        kRounds);
    interleaved::Configure(
        benchmark::RegisterBenchmark(
            "Rle8Full", [&](benchmark::State& s) { DecodeAgainstCopy(s, rle8, full); }),
        kRounds);
    interleaved::Configure(
        benchmark::RegisterBenchmark(
            "Rgb24", [&](benchmark::State& s) { DecodeAgainstCopy(s, rgb, rgb24); }),
        kRounds);
    benchmark::Initialize(&argc, argv);
    interleaved::Reporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nframe sizes: RLE8 delta %zu bytes, RLE8 full %zu bytes, 24-bit %zu bytes\n",
                delta.size(), full.size(), rgb24.size());
    std::printf("%-40s %8s %8s\n", "ratio", "measured", "target");
    const struct {
        const char* label;
        const char* measured;
        double target;
    } rows[] = {{"RLE8 delta frame / 32-bit frame copy", "Rle8Delta", 2},
                {"RLE8 full frame / 32-bit frame copy", "Rle8Full", 0},
                {"24-bit frame / 32-bit frame copy", "Rgb24", 3}};
    for (const auto& row : rows) {
        const auto found = reporter.results.find(row.measured);
        const double ratio = found == reporter.results.end() ? 0 : found->second.Ratio;
        if (row.target > 0)
            std::printf("%-40s %8.2f %8s%.0f\n", row.label, ratio, "<= ", row.target);
        else
            std::printf("%-40s %8.2f %8s\n", row.label, ratio, "-");
    }
    benchmark::Shutdown();
    return 0;
}
