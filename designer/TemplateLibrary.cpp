#include "designer/TemplateLibrary.h"

#include "designer/ProjectPaths.h"
#include "storage/ProjectIndex.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return text;
}

std::string Numbered(int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return digits;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}
} // namespace

int PageTemplateTabOf(std::uint8_t pageKind) {
    switch (pageKind) {
    case pkSplashScreen:
        return 1;
    case pkScreenBackground:
        return 2;
    case pkAgreementForm:
        return 3;
    case pkSecurityForm:
        return 4;
    case pkExitForm:
        return 5;
    default:
        return 0;
    }
}

std::string TTemplateLibrary::PagesFolder(int tab) const {
    const auto caption = kPageTemplateTabs[static_cast<std::size_t>(
        std::clamp(tab, 0, static_cast<int>(kPageTemplateTabs.size()) - 1))];
    return Root + "/Pages/" + std::string(caption);
}

std::string PreviewPathOf(const std::string& folder, const std::string& name) {
    return folder + "/Icons/" + name;
}

std::vector<std::string> TemplateItems(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (!it->is_regular_file(kindError)) continue;
        auto name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue; // hidden
        names.push_back(std::move(name));
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return Lowered(a) < Lowered(b);
    });
    return names;
}

std::vector<std::string> TemplateGroups(const std::string& objectsFolder) {
    std::vector<std::string> groups;
    const auto listing = ListSubfolders(objectsFolder);
    if (!listing.Ok) return groups;
    std::istringstream lines(listing.Text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) groups.push_back(line);
    }
    return groups;
}

std::string UniqueTemplateName(const std::string& folder, const std::string& prefix) {
    for (int number = 1;; ++number) {
        auto name = prefix + Numbered(number);
        if (!Exists(folder + "/" + name)) return name;
    }
}

QRect FitIconRect(int W, int H, int margin, int sw, int sh) {
    const int bw = std::max(W - margin, 1);
    const int bh = std::max(H - margin, 1);
    sw = std::max(sw, 1);
    sh = std::max(sh, 1);
    const auto scaled = [](int target, int from, int side) {
        return static_cast<int>(std::trunc(static_cast<double>(target) / from * side));
    };
    int w = sw;
    int h = sh;
    if (sw > bw && sh > bh) {
        w = scaled(bh, sh, sw);
        h = bh;
        if (w > bw) {
            w = bw;
            h = scaled(bw, sw, sh);
        }
    } else if (sh > bh) {
        w = scaled(bh, sh, sw);
        h = bh;
    } else if (sw > bw) {
        w = bw;
        h = scaled(bw, sw, sh);
    }
    return QRect((W - w) / 2, (H - h) / 2, w, h);
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const unsigned char c : name)
        if (c < 0x20 || c == 0x7f ||
            std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    return true;
}

bool RenameTemplate(const std::string& folder, const std::string& oldName,
                    const std::string& newName) {
    if (!IsPlainFileName(oldName) || !IsPlainFileName(newName)) return false;
    const auto to = folder + "/" + newName;
    // The file system would replace an existing file without a word.
    if (Exists(to)) return false;
    std::error_code error;
    fs::rename(folder + "/" + oldName, to, error);
    if (error) return false;
    std::error_code ignored;
    if (!Exists(PreviewPathOf(folder, newName)))
        fs::rename(PreviewPathOf(folder, oldName), PreviewPathOf(folder, newName), ignored);
    return true;
}

void DeletePreviewFile(const std::string& folder, const std::string& name) {
    if (!IsPlainFileName(name)) return;
    std::error_code ignored;
    fs::remove(PreviewPathOf(folder, name), ignored);
}

bool DeleteTemplateFile(const std::string& folder, const std::string& name) {
    if (!IsPlainFileName(name)) return false;
    std::error_code error;
    return fs::remove(folder + "/" + name, error) && !error;
}

} // namespace brelvane
