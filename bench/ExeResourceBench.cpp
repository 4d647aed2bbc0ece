// Giving a copy of Brelvane its own icon and version strings, against cp of
// the same file in the same run. Prints rewrite / cp at the end.
#include "RatioReporter.h"
#include "storage/exe/MainIcon.h"
#include "storage/exe/VersionStrings.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace brelvane;
namespace fs = std::filesystem;

constexpr int kRepeats = 10;

struct Workspace {
    fs::path root;
    fs::path Program() const { return root / "autorun.exe"; }
    fs::path Copy() const { return root / "copy.exe"; }
};

Workspace& Space() {
    static Workspace space;
    return space;
}

// An icon of `images` copies of the program's own first image, so the
// resource section alternately grows and shrinks.
fs::path IconOf(int images) {
    const auto own = ReadMainIcon(BRELVANE_PROGRAM);
    const auto path = Space().root / ("icon" + std::to_string(images) + ".ico");
    std::FILE* out = std::fopen(path.c_str(), "wb");
    const std::uint32_t size = own[14] | own[15] << 8 | own[16] << 16 | own[17] << 24;
    const std::uint32_t offset = own[18] | own[19] << 8 | own[20] << 16 | own[21] << 24;
    const std::uint8_t header[] = {0, 0, 1, 0, static_cast<std::uint8_t>(images), 0};
    std::fwrite(header, 1, sizeof header, out);
    for (int i = 0; i < images; ++i) {
        std::fwrite(own.data() + 6, 1, 8, out);
        const std::uint32_t at = 6 + 16 * images + size * i;
        std::fwrite(&size, 4, 1, out);
        std::fwrite(&at, 4, 1, out);
    }
    for (int i = 0; i < images; ++i)
        std::fwrite(own.data() + offset, 1, size, out);
    std::fclose(out);
    return path;
}

void Rewrite(benchmark::State& state) {
    const fs::path icons[] = {IconOf(1), IconOf(40)};
    int turn = 0;
    for (auto _ : state) {
        try {
            ReplaceMainIcon(Space().Program().string(), icons[turn++ % 2].string());
            RewriteVersionStrings(Space().Program().string(), PadToVersionSlot("Company"),
                                  PadToVersionSlot("Description"), PadToVersionSlot("(C)"));
        } catch (const std::exception& error) {
            state.SkipWithError(error.what());
            break;
        }
    }
}

void Copy(benchmark::State& state) {
    const auto command =
        "cp '" + Space().Program().string() + "' '" + Space().Copy().string() + "'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
}

} // namespace

int main(int argc, char** argv) {
    auto pattern = (fs::temp_directory_path() / "brelvane-exe-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    Space().root = pattern;
    fs::copy_file(BRELVANE_PROGRAM, Space().Program());

    using Body = void (*)(benchmark::State&);
    const std::pair<const char*, Body> benchmarks[] = {{"IconAndVersion/Rewrite", Rewrite},
                                                       {"IconAndVersion/Cp", Copy}};
    RegisterRepeated(benchmarks, kRepeats);
    RatioReporter reporter;
    RunRegistered(argc, argv, reporter);
    const double ratio = reporter.Ratio(RepeatedName("IconAndVersion/Rewrite", kRepeats),
                                        RepeatedName("IconAndVersion/Cp", kRepeats));
    if (ratio > 0)
        std::printf("\nicon and version rewrite / cp of %s (%ju bytes) %6.2fx\n", BRELVANE_PROGRAM,
                    static_cast<std::uintmax_t>(fs::file_size(Space().Program())), ratio);
    fs::remove_all(Space().root);
    return 0;
}
