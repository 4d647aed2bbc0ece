#pragma once

#include <memory>
#include <string>

namespace brelvane::platform {

// Windows shell result codes, so that callers keep one message table: above
// 32 is success.
enum TShellCode : int {
    scOutOfResources = 0,
    scFileNotFound = 2,
    scPathNotFound = 3,
    scAccessDenied = 5,
    scInvalidExecutable = 11,
    scNoAssociation = 31,
    scSuccess = 33,
};
inline bool ShellSucceeded(int code) {
    return code > 32;
}

// What ShellExecute is asked: verb ("open", "print", "explore"), file or
// address, parameters as one command line, working folder, show command.
struct ShellRequest {
    std::string Verb;
    std::string File;
    std::string Parameters;
    std::string Folder;
    int Show = 1;
    bool operator==(const ShellRequest&) const = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Starts without waiting; a shell code.
    virtual int Execute(const ShellRequest& request) = 0;
    // Starts and, with `waitForEnd`, waits for the end; `exitCode` gets the
    // program's exit code then. A shell code.
    virtual int ExecuteAndWait(const ShellRequest& request, bool waitForEnd, int& exitCode) = 0;
};

// The system's own shell (DesktopShell_posix.h, WindowsShell_win.cpp).
std::unique_ptr<Shell> CreateSystemShell();

// The process-wide shell: the system's unless replaced.
Shell& CurrentShell();
// Installs `shell` and returns the previous one (tests).
std::unique_ptr<Shell> SetShell(std::unique_ptr<Shell> shell);

} // namespace brelvane::platform
