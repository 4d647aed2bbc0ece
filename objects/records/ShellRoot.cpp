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
    if (!fs::is_directory(candidate, error) || !IsInsideFolder(baseFolder, candidate))
        return baseFolder;
    return candidate;
}

bool IsInsideFolder(const std::string& baseFolder, const std::string& path) {
    std::error_code error;
    const auto base = fs::weakly_canonical(ResolvePath(baseFolder), error);
    if (error) return false;
    const auto target = fs::weakly_canonical(path, error);
    if (error) return false;
    auto part = target.begin();
    for (const auto& component : base) {
        // The empty last component of a base given with a trailing separator.
        if (component.empty()) continue;
        if (part == target.end() || *part != component) return false;
        ++part;
    }
    return true;
}

std::string RootCaption(const std::string& root) {
    std::string caption = root;
    if (!caption.empty() && caption.front() == '\\') caption.erase(caption.begin());
    if (!caption.empty() && caption.back() == '\\') caption.pop_back();
    return caption.empty() ? "CDROM" : caption;
}

} // namespace brelvane
