#include "objects/records/ShellRoot.h"

#include "storage/FilePaths.h"

#include <filesystem>
#include <system_error>

namespace brelvane {

namespace fs = std::filesystem;

std::string ResolveRoot(const std::string& baseFolder, const std::string& root) {
    if (root.empty()) return baseFolder;
    const auto candidate = ResolvePath(baseFolder + root);
    std::error_code error;
    if (!fs::is_directory(candidate, error) || !IsInsideFolder(candidate, baseFolder))
        return baseFolder;
    return candidate;
}

std::string RootCaption(const std::string& root) {
    std::string caption = root;
    if (!caption.empty() && caption.front() == '\\') caption.erase(caption.begin());
    if (!caption.empty() && caption.back() == '\\') caption.pop_back();
    return caption.empty() ? "CDROM" : caption;
}

} // namespace brelvane
