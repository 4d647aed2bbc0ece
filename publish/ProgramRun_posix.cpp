#include "publish/ProgramRun.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace brelvane {

int RunProgram(const std::vector<std::string>& args) {
    if (args.empty()) return kProgramNotStarted;
    std::vector<char*> argv;
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    // posix_spawnp reports a program it cannot run itself, unlike fork and exec.
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return kProgramNotStarted;
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return kProgramSignalled;
    return WIFEXITED(status) ? WEXITSTATUS(status) : kProgramSignalled;
}

} // namespace brelvane
