#include "designer/PageNames.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace brelvane {

namespace {
constexpr std::string_view kForbidden = "\\/:*?\"<>|";

unsigned char Folded(char c) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}
} // namespace

bool IsPlainPageName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7f ||
               kForbidden.find(c) != std::string_view::npos;
    });
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Folded(x) == Folded(y);
           });
}

bool NameTakenIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& other) { return SameNameIgnoringCase(other, name); });
}

std::optional<std::string> DamagedPageName(const TProjectIndex& index) {
    std::vector<std::string> seen;
    for (const auto& entry : index.Pages) {
        if (!IsPlainPageName(entry->Name) || NameTakenIgnoringCase(seen, entry->Name))
            return entry->Name;
        seen.push_back(entry->Name);
    }
    return std::nullopt;
}

std::string UniquePageName(const std::vector<std::string>& names, const std::string& candidate) {
    if (!NameTakenIgnoringCase(names, candidate)) return candidate;
    for (unsigned number = 1;; ++number) {
        auto numbered = candidate + std::to_string(number);
        if (!NameTakenIgnoringCase(names, numbered)) return numbered;
    }
}

std::vector<std::string> PageNames(const TProjectIndex& index) {
    std::vector<std::string> names;
    for (const auto& entry : index.Pages)
        names.push_back(entry->Name);
    return names;
}

} // namespace brelvane
