#include "Commands.h"
#include "ProjectJson.h"
#include "storage/ErrorReport.h"
#include "storage/ProjectIndex.h"

#include <cstdio>

namespace brelvane {

int RunIndexCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brelvane-tool index FILE\n");
        return 2;
    }
    TProjectIndex index;
    bool failed = false;
    const auto previous = SetErrorSink([&](const std::string& text) {
        failed = true;
        std::fprintf(stderr, "%s\n", text.c_str());
    });
    const bool loaded = LoadIndexFile(args[0], index, TTrailer::Read);
    SetErrorSink(previous);
    if (!loaded || failed) return 1;
    std::printf("%s\n", ProjectIndexToJson(index).dump(2).c_str());
    return 0;
}

} // namespace brelvane
