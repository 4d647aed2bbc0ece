#include "objects/records/CustomCursors.h"

#include <algorithm>
#include <cctype>

namespace brelvane {

std::string TCustomCursors::Key(const std::string& fileName) {
    std::string key = fileName;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (key.empty() || key.front() != '\\') key.insert(key.begin(), '\\');
    return key;
}

std::optional<int> TCustomCursors::Resolve(const std::string& fileName, const Loader& load) {
    if (fileName.empty()) return std::nullopt;
    const auto key = Key(fileName);
    for (const auto& entry : entries_)
        if (entry.Name == key) return entry.Number;
    int number = 1;
    for (const auto& entry : entries_)
        number = std::max(number, entry.Number + 1);
    if (!load(key, number)) return std::nullopt;
    entries_.push_back({number, key});
    return number;
}

TCustomCursors& CustomCursors() {
    static TCustomCursors table;
    return table;
}

} // namespace brelvane
