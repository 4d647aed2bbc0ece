#include "platform/SingleInstance.h"

#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <sddl.h>

namespace brelvane::platform {

namespace {
// The security identifier of the user running this process, as text.
QString UserSid() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(static_cast<qsizetype>(size), '\0');
    QString sid;
    wchar_t* text = nullptr;
    if (size > 0 && ::GetTokenInformation(token, TokenUser, buffer.data(), size, &size) &&
        ::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
        sid = QString::fromWCharArray(text);
        ::LocalFree(text);
    }
    ::CloseHandle(token);
    return sid;
}
} // namespace

// Named pipes are seen by every user of the machine: the user's SID keeps them apart.
QString PerUserName(const QString& name) {
    return name + "-" + UserSid();
}

} // namespace brelvane::platform
