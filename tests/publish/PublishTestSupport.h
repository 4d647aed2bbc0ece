#pragma once

#include "storage/TextFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace brelvane::test {

inline void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Every entry below `folder`, relative and sorted.
inline std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
        names.push_back(std::filesystem::relative(item.path(), folder).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

inline unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A base folder as a save leaves it, with the project source at the root and
// again below a media folder, a hidden file and an executable script; and a
// runtime folder beside the program with a library and a helper program.
struct PublishedProject {
    TempFolder Root;
    std::string Base = Root.File("CDROM");
    std::string Runtime = Root.File("Program/AutoRunRuntime");
    PublishedProject() {
        WriteText(Runtime + "/lib/libQt6Core.so.6", "library");
        WriteText(Runtime + "/libexec/gst-plugin-scanner", "helper");
        ::chmod((Runtime + "/libexec/gst-plugin-scanner").c_str(), 0755);
        WriteText(Base + "/autorun.inf", "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
        WriteText(Base + "/autorun", "#!/bin/sh\n");
        ::chmod((Base + "/autorun").c_str(), 0755);
        WriteText(Base + "/autorun.tgt", std::string(70000, 't'));
        WriteText(Base + "/AutoRunSource/AutoRun.src", "index");
        WriteText(Base + "/Media/clip.txt", "clip");
        WriteText(Base + "/Media/AutoRunSource/old.pg", "old page");
        WriteText(Base + "/Media/.hidden", "hidden");
        ::chmod((Base + "/Media/clip.txt").c_str(), 0600);
    }
};

} // namespace brelvane::test
