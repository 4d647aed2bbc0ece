#include "platform/FileTypes.h"
#include "platform/WideText_win.h"

#include <windows.h>

namespace brelvane::platform {

namespace {
// Text values as stored: the call refuses expandable ones unless told not to expand them.
constexpr DWORD kTextValues = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;

// The default value of a key under the classes root, or empty.
std::wstring ClassesValue(const std::wstring& key) {
    DWORD size = 0;
    if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, kTextValues, nullptr, nullptr,
                       &size) != ERROR_SUCCESS ||
        size < sizeof(wchar_t))
        return {};
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, kTextValues, nullptr, value.data(),
                       &size) != ERROR_SUCCESS)
        return {};
    value.resize(::wcsnlen(value.c_str(), value.size()));
    return value;
}

// The extension's key names its file type; that type's "shell\open\command"
// is the viewer: there is one when that value exists and is not empty.
class RegistryFileTypes final : public FileTypes {
public:
    bool HasViewerFor(const std::string& extension) override {
        auto wide = WideText(extension);
        if (wide.empty()) return false;
        if (wide.front() != L'.') wide.insert(wide.begin(), L'.');
        const auto type = ClassesValue(wide);
        return !type.empty() && !ClassesValue(type + L"\\shell\\open\\command").empty();
    }
};
} // namespace

std::unique_ptr<FileTypes> CreateSystemFileTypes() {
    return std::make_unique<RegistryFileTypes>();
}

} // namespace brelvane::platform
