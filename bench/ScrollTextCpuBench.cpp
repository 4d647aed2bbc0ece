// CPU time of the player showing a page of ten scrolling texts, as a share of
// one core. The program writes such a project into a temporary base folder,
// starts the player on it (the build's Brelvane under the name autorun.exe),
// lets it settle, and reads the player's user and system time from /proc over
// the measured seconds. Needs a display (Xvfb will do).
#include "objects/records/AutoObject.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/TextPayload.h"
#include "project/PageRecord.h"
#include "project/PageStream.h"
#include "storage/ProjectIndex.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using namespace brelvane;
namespace fs = std::filesystem;

constexpr int kTexts = 10;
constexpr int kSettleSeconds = 3;

TPageRecord TenScrollTexts() {
    TPageRecord page;
    page.Caption = "Ten scroll texts";
    page.PageName = "Main Page";
    page.PageKind = pkMainPage;
    page.Width = 1060;
    page.Height = 420;
    page.BackColor = RGB(0x20, 0x30, 0x60);
    for (int i = 0; i < kTexts; ++i) {
        auto* object =
            AddObjectRecord(page.Objects, okScrollText, 10 + (i % 5) * 210, 10 + (i / 5) * 200);
        auto& payload = static_cast<TScrollTextPayload&>(*object->Payload);
        payload.Width = 200;
        payload.Height = 190;
        payload.RepeatDelay = 0;
        payload.ScrollDelay = 20 + 10 * (i % 5);
        for (int line = 0; line < 12; ++line)
            payload.Text.Lines += "Scroll text " + std::to_string(i + 1) + ", line " +
                                  std::to_string(line + 1) + "\r\n";
    }
    return page;
}

bool WriteProject(const fs::path& base, const fs::path& player) {
    const fs::path source = base / "AutoRunSource";
    fs::create_directories(source);
    const TPageRecord page = TenScrollTexts();
    TProjectIndex index;
    index.Settings.ApplicationTitle = "Scroll text load";
    auto entry = std::make_unique<TAutoFormInfo>();
    entry->Name = page.PageName;
    entry->Kind = page.PageKind;
    index.Pages.push_back(std::move(entry));
    fs::create_symlink(fs::absolute(player), base / "autorun.exe");
    return SavePageFile((source / (page.PageName + ".pg")).string(), page) &&
           SaveIndexFile((source / "AutoRun.src").string(), index);
}

// User plus system time of a process in clock ticks.
long long CpuTicks(pid_t pid) {
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

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    char pattern[] = "/tmp/brelvane-scroll-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    const fs::path base = pattern;
    if (!WriteProject(base, BRELVANE_PLAYER)) return 1;

    const std::string program = (base / "autorun.exe").string();
    char* childArgs[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, childArgs, environ) != 0) return 1;
    std::this_thread::sleep_for(std::chrono::seconds(kSettleSeconds));
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
    fs::remove_all(base);
    if (!running) {
        std::fprintf(stderr, "the player ended early\n");
        return 1;
    }
    const double share = 100.0 * static_cast<double>(after - before) /
                         static_cast<double>(sysconf(_SC_CLK_TCK)) / wall;
    std::printf("player with %d scroll texts: %.2f %% of one core over %.1f s\n", kTexts, share,
                wall);
    return 0;
}
