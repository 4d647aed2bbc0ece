#pragma once

#include "storage/ByteStream.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The 200 MB tree of 2,000 files the copying benchmarks work on: 20 folders
// of 100 files of 100,000 bytes each, no two alike.
inline void MakeTree(const std::filesystem::path& tree) {
    constexpr int kFolders = 20;
    constexpr int kFilesPerFolder = 100;
    constexpr std::size_t kFileSize = 100 * 1000;
    std::vector<std::uint8_t> content(kFileSize);
    for (int folder = 0; folder < kFolders; ++folder) {
        const auto dir = tree / ("folder" + std::to_string(folder));
        std::filesystem::create_directories(dir);
        for (int file = 0; file < kFilesPerFolder; ++file) {
            for (std::size_t i = 0; i < content.size(); ++i)
                content[i] = static_cast<std::uint8_t>(i * 131 + file * 7 + folder);
            brelvane::TFileStream out((dir / ("file" + std::to_string(file) + ".bin")).string(),
                                      brelvane::TFileStream::Mode::Create);
            out.Write(content.data(), content.size());
            out.Close();
        }
    }
}
