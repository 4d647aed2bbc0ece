#include "publish/PublishTree.h"

#include "publish/PublishErrors.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
bool Walk(const fs::path& base, const fs::path& relative, TPublishTree& tree,
          std::set<fs::path>& visited) {
    const auto folder = base / relative;
    std::error_code error;
    const auto real = fs::canonical(folder, error);
    if (error) {
        errno = error.value();
        ReportFileError(kPublishFolderError, folder.string());
        return false;
    }
    // A link back up the tree would otherwise copy forever.
    if (!visited.insert(real).second) return true;
    std::vector<fs::directory_entry> items;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        items.push_back(*it);
    if (error) {
        errno = error.value();
        ReportFileError(kPublishFolderError, folder.string());
        return false;
    }
    // A stable order, so that two runs copy alike.
    std::sort(items.begin(), items.end(),
              [](const auto& a, const auto& b) { return a.path() < b.path(); });
    for (const auto& item : items) {
        const auto name = item.path().filename();
        const auto path = relative.empty() ? name : relative / name;
        if (item.is_directory(error)) {
            if (name == kProjectSourceFolder) continue;
            tree.Entries.push_back({path.generic_string(), true, 0});
            if (!Walk(base, path, tree, visited)) return false;
            continue;
        }
        const auto size = item.file_size(error);
        if (error) {
            errno = error.value();
            ReportFileError(kPublishFileError, item.path().string());
            return false;
        }
        tree.Entries.push_back({path.generic_string(), false, size});
        tree.TotalBytes += size;
    }
    return true;
}
} // namespace

bool RuntimeFolderFound(const std::string& runtimeFolder) {
    if (FolderExists(runtimeFolder)) return true;
    errno = ENOENT;
    ReportFileError(kPublishRuntimeMissingError, runtimeFolder);
    return false;
}

bool CollectPublishTree(const std::string& baseFolder, TPublishTree& tree) {
    tree = {};
    std::set<fs::path> visited;
    return Walk(fs::path(baseFolder), {}, tree, visited);
}

} // namespace brelvane
