#include "publish/ProgramRun.h"

#include <process.h>

namespace brelvane {

namespace {
// One argument as the C runtime of the started program splits it again:
// quoted when it holds blanks or quotes, backslashes before a quote doubled.
std::string Quoted(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}
} // namespace

int RunProgram(const std::vector<std::string>& args) {
    if (args.empty()) return kProgramNotStarted;
    std::vector<std::string> quoted;
    for (const auto& arg : args)
        quoted.push_back(Quoted(arg));
    std::vector<const char*> argv;
    for (const auto& arg : quoted)
        argv.push_back(arg.c_str());
    argv.push_back(nullptr);
    const auto status = ::_spawnvp(_P_WAIT, args.front().c_str(), argv.data());
    return status < 0 ? kProgramNotStarted : static_cast<int>(status);
}

} // namespace brelvane
