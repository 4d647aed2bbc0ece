#include "Commands.h"
#include "PageJson.h"
#include "project/PageStream.h"
#include "storage/ErrorReport.h"
#include "storage/FileSystem.h"

#include <cstdio>

namespace brelvane {

namespace {
// Reads a page file as the designer does; errors go to stderr.
bool LoadForTool(const std::string& path, TPageRecord& page) {
    bool failed = false;
    const auto previous = SetErrorSink([&](const std::string& text) {
        failed = true;
        std::fprintf(stderr, "%s\n", text.c_str());
    });
    const bool loaded = LoadPageFile(path, page, TPageReadMode::Build, TPageReadContext{});
    SetErrorSink(previous);
    return loaded && !failed;
}

bool OneFileArgument(const std::vector<std::string>& args, const char* command) {
    if (args.size() == 1) return true;
    std::fprintf(stderr, "usage: brelvane-tool %s FILE\n", command);
    return false;
}
} // namespace

int RunPageCommand(const std::vector<std::string>& args) {
    if (!OneFileArgument(args, "page")) return 2;
    TPageRecord page;
    if (!LoadForTool(args[0], page)) return 1;
    std::printf("%s\n", PageToJson(page).dump(2).c_str());
    return 0;
}

int RunRoundTripCommand(const std::vector<std::string>& args) {
    if (!OneFileArgument(args, "roundtrip")) return 2;
    TPageRecord page;
    if (!LoadForTool(args[0], page)) return 1;
    TMemoryStream out;
    if (!WritePage(out, page)) return 1;
    const auto bytes = out.View();
    return WriteStandardOutput(bytes.data(), bytes.size()) ? 0 : 1;
}

} // namespace brelvane
