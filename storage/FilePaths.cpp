#include "storage/FilePaths.h"

#include "storage/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The entry of `folder` named `name` in some case, or nothing.
std::string FindNoCase(const fs::path& folder, const std::string& name) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const auto entry = Utf8Path(it->path().filename());
        if (EqualNoCase(entry, name)) return entry;
    }
    return "";
}
} // namespace

std::string ResolvePath(const std::string& path) {
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::error_code error;
    if (fs::exists(NativePath(slashed), error)) return slashed;

    fs::path resolved;
    const fs::path input = NativePath(slashed);
    auto part = input.begin();
    for (; part != input.end(); ++part) {
        const auto name = Utf8Path(*part);
        const fs::path exact = resolved / *part;
        if (name.empty() || name == "/" || name == "." || name == ".." ||
            fs::exists(exact, error)) {
            resolved = exact;
            continue;
        }
        const auto match = FindNoCase(resolved.empty() ? fs::path(".") : resolved, name);
        if (match.empty()) break;
        resolved /= NativePath(match);
    }
    for (; part != input.end(); ++part)
        resolved /= *part;
    // Joined with the system's separator; given back with slashes, as taken.
    auto result = Utf8Path(resolved);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(NativePath(ResolvePath(path)), error);
}

bool FolderExists(const std::string& path) {
    std::error_code error;
    return fs::is_directory(NativePath(ResolvePath(path)), error);
}

std::string BaseRelativePath(const std::string& base, const std::string& relative) {
    std::string path = relative;
    if (path.empty() || path.front() != '\\') path.insert(path.begin(), '\\');
    return ResolvePath(base + path);
}

bool IsInsideFolder(const std::string& path, const std::string& folder) {
    std::error_code error;
    const auto outer = fs::weakly_canonical(fs::absolute(ResolvePath(folder), error), error);
    if (error) return false;
    const auto inner = fs::weakly_canonical(fs::absolute(ResolvePath(path), error), error);
    if (error) return false;
    auto part = inner.begin();
    for (const auto& component : outer) {
        // The empty last component of a folder given with a trailing separator.
        if (component.empty()) continue;
        if (part == inner.end() || *part != component) return false;
        ++part;
    }
    return true;
}

} // namespace brelvane
