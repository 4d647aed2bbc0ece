#include "platform/MciDevice_win.h"

#include "platform/WideText_win.h"

#include <atomic>
#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <mmsystem.h>

namespace brelvane::platform {

namespace {
std::atomic<int> lastAlias{0};

bool SendString(const std::wstring& command) {
    return ::mciSendStringW(command.c_str(), nullptr, 0, nullptr) == 0;
}
} // namespace

MciDevice::MciDevice() : alias_(L"brelvane_media" + std::to_wstring(++lastAlias)) {}

MciDevice::~MciDevice() {
    Close();
}

bool MciDevice::Open(const std::string& path) {
    Close();
    const auto file = WideShellTarget(path);
    // The file type's device first; MP3 and other compressed files play on
    // the MPEG video device when the type names none.
    if (!SendString(L"open \"" + file + L"\" alias " + alias_) &&
        !SendString(L"open \"" + file + L"\" type mpegvideo alias " + alias_))
        return false;
    open_ = true;
    // Times in milliseconds rather than the device's own frames or bytes.
    Send(L"set", L"time format milliseconds");
    return true;
}

void MciDevice::Close() {
    if (!open_) return;
    Send(L"close");
    open_ = false;
}

bool MciDevice::Send(const std::wstring& command, const std::wstring& arguments) const {
    return open_ &&
           SendString(command + L" " + alias_ + (arguments.empty() ? L"" : L" " + arguments));
}

std::wstring MciDevice::Status(const std::wstring& item) const {
    if (!open_) return {};
    wchar_t answer[128] = {};
    if (::mciSendStringW((L"status " + alias_ + L" " + item).c_str(), answer, 128, nullptr) != 0)
        return {};
    return answer;
}

} // namespace brelvane::platform
