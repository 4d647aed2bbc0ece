#pragma once

#include "platform/Shell.h"

#include <QString>
#include <memory>

namespace brelvane::platform {

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
