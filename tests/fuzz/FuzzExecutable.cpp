#include "FuzzSupport.h"
#include "storage/exe/ExeErrors.h"
#include "storage/exe/File.h"
#include "storage/exe/FileVersion.h"
#include "storage/exe/MainIcon.h"
#include "storage/exe/VersionStrings.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
using namespace brelvane;

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A one-image icon of a few bytes for the icon replacement.
constexpr std::uint8_t kIcon[] = {0, 0, 1, 0, 1, 0,  1, 1, 0, 0, 1, 0, 32,
                                  0, 4, 0, 0, 0, 22, 0, 0, 0, 1, 2, 3, 4};
} // namespace

// Any file given to the readers and to both updates: errors are raised as
// the operations' own, never a crash or a read outside the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("brelvane-fuzz-exe-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        WriteFile((path / "icon.ico").string(), kIcon, sizeof kIcon);
        return path.string();
    }();
    const std::string exe = folder + "/input.exe";
    WriteFile(exe, data, size);
    (void)ReadFileVersion(exe);
    (void)ReadMainIcon(exe);
    std::string description, company, legal;
    (void)ReadVersionStrings(exe, description, company, legal);
    try {
        RewriteVersionStrings(exe, "Company", "Description", "Copyright");
    } catch (const EResourceError&) {
    } catch (const EFileError&) {
    }
    try {
        ReplaceMainIcon(exe, folder + "/icon.ico");
        // What the update wrote reads back with the new icon.
        const auto icon = ReadMainIcon(exe);
        if (icon.size() != sizeof kIcon) std::abort();
    } catch (const EResourceError&) {
    } catch (const EFileError&) {
    }
    return 0;
}
