#include "platform/Shell.h"

namespace brelvane::platform {

namespace {
std::unique_ptr<Shell>& Installed() {
    static std::unique_ptr<Shell> shell = CreateSystemShell();
    return shell;
}
} // namespace

Shell& CurrentShell() {
    return *Installed();
}

std::unique_ptr<Shell> SetShell(std::unique_ptr<Shell> shell) {
    std::swap(shell, Installed());
    return shell;
}

} // namespace brelvane::platform
