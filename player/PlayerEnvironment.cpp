#include "player/PlayerEnvironment.h"

#include "storage/FilePaths.h"

namespace brelvane {

TPlayerEnvironment& PlayerEnvironment() {
    static TPlayerEnvironment environment;
    return environment;
}

std::string BaseResolved(const std::string& relative) {
    std::string path = relative;
    if (path.empty() || path.front() != '\\') path.insert(path.begin(), '\\');
    return ResolvePath(PlayerEnvironment().Source.BaseFolder + path);
}

std::string BaseResolvedFolder(const std::string& relative) {
    return relative.empty() ? PlayerEnvironment().Source.BaseFolder : BaseResolved(relative);
}

} // namespace brelvane
