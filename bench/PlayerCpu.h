#pragma once

// The player's CPU time while it shows a project, as a share of one core:
// the build's Brelvane is started under the name autorun.exe in the project's
// base folder, left to settle, and its user and system time read from /proc
// over the measured seconds. Needs a display (Xvfb will do).

#include "project/PageRecord.h"
#include "project/PageStream.h"
#include "storage/ProjectIndex.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace brelvane::bench {

// User plus system time of a process in clock ticks.
inline long long CpuTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the command name, which may hold blanks, start behind its ")".
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14) utime = std::stoll(field);
        if (index == 15) {
            stime = std::stoll(field);
            break;
        }
    }
    return utime + stime;
}

// A project of the one page `page` in `base`.
inline bool WriteOnePageProject(const std::filesystem::path& base, const TPageRecord& page,
                                const std::string& title) {
    const auto source = base / "AutoRunSource";
    std::filesystem::create_directories(source);
    TProjectIndex index;
    index.Settings.ApplicationTitle = title;
    auto entry = std::make_unique<TAutoFormInfo>();
    entry->Name = page.PageName;
    entry->Kind = page.PageKind;
    index.Pages.push_back(std::move(entry));
    return SavePageFile((source / (page.PageName + ".pg")).string(), page) &&
           SaveIndexFile((source / "AutoRun.src").string(), index);
}

struct TCpuShare {
    double Percent = 0;
    double Seconds = 0;
};

// Plays the project in `base` (its AutoRunSource written already); nothing
// when the player cannot start or ends early.
inline std::optional<TCpuShare> PlayerCpuShare(const std::filesystem::path& base,
                                               const std::filesystem::path& player, int settle,
                                               int seconds) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_symlink(fs::absolute(player), base / "autorun.exe", error);
    if (error) return std::nullopt;
    const std::string program = (base / "autorun.exe").string();
    char* childArgs[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, childArgs, environ) != 0)
        return std::nullopt;
    std::this_thread::sleep_for(std::chrono::seconds(settle));
    const long long before = CpuTicks(pid);
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const long long after = CpuTicks(pid);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    int status = 0;
    const bool running = waitpid(pid, &status, WNOHANG) == 0;
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    if (!running) {
        std::fprintf(stderr, "the player ended early\n");
        return std::nullopt;
    }
    return TCpuShare{100.0 * static_cast<double>(after - before) /
                         static_cast<double>(sysconf(_SC_CLK_TCK)) / wall,
                     wall};
}

} // namespace brelvane::bench
