#include "player/PlayerEnvironment.h"

#include "storage/FilePaths.h"

namespace brelvane {

TPlayerEnvironment& PlayerEnvironment() {
    static TPlayerEnvironment environment;
    return environment;
}

std::string BaseResolved(const std::string& relative) {
    return BaseRelativePath(PlayerEnvironment().Source.BaseFolder, relative);
}

std::string BaseResolvedFolder(const std::string& relative) {
    return relative.empty() ? PlayerEnvironment().Source.BaseFolder : BaseResolved(relative);
}

} // namespace brelvane
