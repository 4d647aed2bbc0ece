#include "platform/Shell.h"
#include "platform/WideText_win.h"

#include <QCoreApplication>
#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <shellapi.h>

namespace brelvane::platform {

namespace {
// The shell's own result codes; a file the shell must start waits on its process.
class WindowsShell final : public Shell {
public:
    int Execute(const ShellRequest& request) override {
        const auto verb = WideText(request.Verb);
        const auto file = WideShellTarget(request.File);
        const auto parameters = WideText(request.Parameters);
        const auto folder = WideShellTarget(request.Folder);
        const auto result = ::ShellExecuteW(nullptr, verb.c_str(), file.c_str(),
                                            Optional(parameters), Optional(folder), request.Show);
        return static_cast<int>(reinterpret_cast<INT_PTR>(result));
    }

    int ExecuteAndWait(const ShellRequest& request, bool waitForEnd, int& exitCode) override {
        if (!waitForEnd) return Execute(request);
        const auto verb = WideText(request.Verb);
        const auto file = WideShellTarget(request.File);
        const auto parameters = WideText(request.Parameters);
        const auto folder = WideShellTarget(request.Folder);
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        // A process handle to wait on, no error boxes of the shell's own, and any
        // start-up conversation finished before the call returns.
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.lpVerb = verb.c_str();
        info.lpFile = file.c_str();
        info.lpParameters = Optional(parameters);
        info.lpDirectory = Optional(folder);
        info.nShow = request.Show;
        if (!::ShellExecuteExW(&info)) return static_cast<int>(::GetLastError());
        if (info.hProcess) {
            ::WaitForInputIdle(info.hProcess, INFINITE);
            WaitProcessingMessages(info.hProcess);
            DWORD code = 0;
            ::GetExitCodeProcess(info.hProcess, &code);
            exitCode = static_cast<int>(code);
            ::CloseHandle(info.hProcess);
        }
        return scSuccess;
    }

private:
    static const wchar_t* Optional(const std::wstring& text) {
        return text.empty() ? nullptr : text.c_str();
    }

    // The menu's windows keep repainting while the started program runs.
    static void WaitProcessingMessages(HANDLE process) {
        while (::MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) ==
               WAIT_OBJECT_0 + 1)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
};
} // namespace

std::unique_ptr<Shell> CreateSystemShell() {
    return std::make_unique<WindowsShell>();
}

} // namespace brelvane::platform
