#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

namespace brelvane::test {

// Whether this Windows program runs under Wine, whose services differ from
// Windows' own in a few answers the tests name.
inline bool UnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

} // namespace brelvane::test
