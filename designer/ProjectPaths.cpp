#include "designer/ProjectPaths.h"

#include "designer/PageNames.h"
#include "storage/AnsiCodePage.h"
#include "storage/FilePaths.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace brelvane {

namespace {
fs::path Canonical(const std::string& path) {
    std::error_code error;
    auto canonical = fs::weakly_canonical(fs::path(path), error);
    return error ? fs::path(path).lexically_normal() : canonical;
}

// Every character of `utf8` has a code page 1252 byte.
bool FitsCodePage(const std::string& utf8) {
    return AnsiToUtf8(Utf8ToAnsi(utf8)) == utf8;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
} // namespace

std::optional<std::string> StoredRelativePath(const std::string& baseFolder,
                                              const std::string& path) {
    if (baseFolder.empty()) return std::string();
    const auto base = Canonical(baseFolder);
    const auto full = Canonical(path);
    auto b = base.begin();
    auto f = full.begin();
    for (; b != base.end(); ++b, ++f) {
        if (b->empty()) continue; // the empty last component of "dir/"
        if (f == full.end() || !SameNameIgnoringCase(b->string(), f->string()))
            return std::string();
    }
    std::string rest;
    for (; f != full.end(); ++f)
        if (!f->empty()) rest += "\\" + f->string();
    if (rest.empty()) return std::string("\\");
    if (!FitsCodePage(rest)) return std::nullopt;
    return Utf8ToAnsi(rest);
}

std::string MakeProjectRelative(const std::string& baseFolder, const std::string& path) {
    return StoredRelativePath(baseFolder, path).value_or(std::string());
}

std::string ProjectPathOf(const std::string& baseFolder, const std::string& stored) {
    auto relative = Trimmed(AnsiToUtf8(stored));
    if (relative.empty()) return baseFolder;
    if (relative.front() != '\\') relative.insert(relative.begin(), '\\');
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (relative == "/") return baseFolder;
    return ResolvePath(baseFolder + relative);
}

TFolderListing ListSubfolders(const std::string& folder) {
    TFolderListing listing;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error || !fs::is_directory(folder)) {
        listing.Error = std::strerror(error ? error.value() : ENOTDIR);
        return listing;
    }
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) break;
        const auto name = it->path().filename().string();
        // Hidden folders start with a dot here.
        if (name.empty() || name.front() == '.' || !it->is_directory(error)) continue;
        names.push_back(name);
    }
    if (error) {
        listing.Error = std::strerror(error.value());
        return listing;
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) {
                                                return std::tolower(static_cast<unsigned char>(x)) <
                                                       std::tolower(static_cast<unsigned char>(y));
                                            });
    });
    for (const auto& name : names)
        listing.Text += name + "\r\n";
    listing.Ok = true;
    return listing;
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

} // namespace brelvane
