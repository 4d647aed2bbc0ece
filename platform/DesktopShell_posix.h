#pragma once

#include "platform/Shell.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace brelvane::platform {

// One program start.
struct ProcessRequest {
    QString Program;
    QStringList Arguments;
    QString Folder;
    bool operator==(const ProcessRequest&) const = default;
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
};

// The launcher over QProcess.
std::unique_ptr<ProcessLauncher> CreateProcessLauncher();

// The desktop's shell: executables and scripts run directly, documents,
// folders and addresses go to the desktop's opener (xdg-open), printable
// files to the print spooler (lp).
class DesktopShell final : public Shell {
public:
    explicit DesktopShell(std::unique_ptr<ProcessLauncher> launcher);
    int Execute(const ShellRequest& request) override;
    int ExecuteAndWait(const ShellRequest& request, bool waitForEnd, int& exitCode) override;

    // The program the request comes down to, or the failure code.
    int Resolve(const ShellRequest& request, ProcessRequest& process);

private:
    int ResolveOpen(const QString& file, const ShellRequest& request, ProcessRequest& process);
    int ResolveAddress(const QString& address, ProcessRequest& process);
    int ResolvePrint(const QString& file, ProcessRequest& process);
    int ResolveExplore(const QString& folder, ProcessRequest& process);
    // The desktop's opener for `mimeType`, or the failure code.
    int Opener(const QString& mimeType, const QString& target, ProcessRequest& process);

    std::unique_ptr<ProcessLauncher> launcher_;
};

} // namespace brelvane::platform
