#pragma once

#include "storage/StorageTestSupport.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace brelvane::test {

inline void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string TextOf(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

inline unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Runs a program with its output discarded; its exit status, -1 when it
// could not start.
inline int RunQuietly(const std::vector<std::string>& args) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (const auto& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
            ::_exit(126);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status) == 127 ? -1 : WEXITSTATUS(status);
}

// The standard output of a shell command.
inline std::string OutputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        ::pclose(pipe);
    }
    return output;
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
