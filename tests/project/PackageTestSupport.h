#pragma once

#include "storage/StorageTestSupport.h"

#include <filesystem>
#include <map>
#include <string>

namespace brelvane::test {

// A folder tree as relative path → content; folders end with "/".
using Tree = std::map<std::string, Bytes>;

inline void MakeTree(const std::string& base, const Tree& tree) {
    for (const auto& [path, content] : tree) {
        const auto full = std::filesystem::path(base) / path;
        if (path.ends_with('/')) {
            std::filesystem::create_directories(full);
        } else {
            std::filesystem::create_directories(full.parent_path());
            WriteFileBytes(full.string(), content);
        }
    }
}

inline Tree TreeOf(const std::string& base) {
    Tree tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(base)) {
        const auto relative = std::filesystem::relative(entry.path(), base).generic_string();
        if (entry.is_directory())
            tree[relative + "/"] = {};
        else
            tree[relative] = ReadFileBytes(entry.path().string());
    }
    return tree;
}

// A self-contained executable: the player, the package and the player's length.
inline Bytes Executable(const Bytes& player, const Bytes& package) {
    return Concat({player, package, Int32Bytes(static_cast<std::int32_t>(player.size()))});
}

// A package of one folder holding one file.
inline Bytes OneFilePackage(const std::string& name, const Bytes& content) {
    return Concat({Int32Bytes(0), Int32Bytes(1), StringBytes(name),
                   Int32Bytes(static_cast<std::int32_t>(content.size())), content});
}

} // namespace brelvane::test
