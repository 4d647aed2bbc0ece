#pragma once

#include "storage/TextFiles.h"

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

inline unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A base folder as a save leaves it, with the project source at the root and
// again below a media folder, a hidden file and an executable script.
struct PublishedProject {
    TempFolder Root;
    std::string Base = Root.File("CDROM");
    PublishedProject() {
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
