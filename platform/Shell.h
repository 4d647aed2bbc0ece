#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
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

// One program start.
struct ProcessRequest {
    QString Program;
    QStringList Arguments;
    QString Folder;
    bool operator==(const ProcessRequest&) const = default;
};

// How a program run ended.
struct RunOutcome {
    bool Started = false;
    // Ended on request before it finished.
    bool Cancelled = false;
    // A program ended by a signal counts as failed: 255.
    int ExitCode = 0;
};

// What the shell asks of the operating system; tests install a recording fake.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // The program's full path when it is on the search path, else empty.
    virtual QString FindProgram(const QString& name) = 0;
    // The trimmed standard output of a short query, empty when it fails.
    virtual QString Query(const ProcessRequest& request) = 0;
    virtual bool StartDetached(const ProcessRequest& request) = 0;
    // Starts and returns the exit code once the program has ended, while
    // the caller's windows keep processing events; nothing when it cannot start.
    virtual std::optional<int> RunToEnd(const ProcessRequest& request) = 0;
    // As RunToEnd, asking `keepGoing` every tenth of a second meanwhile; a no
    // ends the program. Launchers that cannot end a program run it to its end.
    // With `outputLine`, each line the program writes (either stream) goes
    // there instead of to ours.
    virtual RunOutcome RunWhile(const ProcessRequest& request,
                                const std::function<bool()>& keepGoing,
                                const std::function<void(const QString&)>& outputLine);
};

// The launcher over QProcess.
std::unique_ptr<ProcessLauncher> CreateProcessLauncher();

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
