#include "launcher/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brelvane::launcher {

namespace {
constexpr int kNotStarted = 127;
constexpr int kSignalBase = 128;
constexpr int kForwardedSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t childId = 0;

void PassOn(int signal) {
    if (childId > 0) ::kill(static_cast<pid_t>(childId), signal);
}

sigset_t ForwardedSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kForwardedSignals)
        sigaddset(&set, signal);
    return set;
}
} // namespace

int RunChild(const std::string& program, const std::vector<std::string>& arguments,
             const std::string& folder) {
    std::vector<char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // Held back until the child's id is known, so none is lost between.
    const sigset_t forwarded = ForwardedSet();
    sigset_t previous;
    ::sigprocmask(SIG_BLOCK, &forwarded, &previous);
    struct sigaction action {};
    action.sa_handler = PassOn;
    sigemptyset(&action.sa_mask);
    for (const int signal : kForwardedSignals)
        ::sigaction(signal, &action, nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        ::sigprocmask(SIG_SETMASK, &previous, nullptr);
        if (::chdir(folder.c_str()) == 0) ::execv(program.c_str(), argv.data());
        ::_exit(kNotStarted);
    }
    childId = child;
    ::sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (child < 0) return kNotStarted;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return kNotStarted;
    childId = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : kSignalBase + WTERMSIG(status);
}

std::string RunningExecutable() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::string TemporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

bool MakeExecutable(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 &&
           ::chmod(path.c_str(), (info.st_mode & 07777) | ((info.st_mode & 0444) >> 2)) == 0;
}

} // namespace brelvane::launcher
