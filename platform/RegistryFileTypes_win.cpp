#include "platform/FileTypes.h"
#include "platform/WideText_win.h"

#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <shlwapi.h>

namespace brelvane::platform {

namespace {
// The registered "open" command of the extension's file type (through its
// programmatic identifier and the user's own choice): a viewer exists when
// that command is there and not empty.
class RegistryFileTypes final : public FileTypes {
public:
    bool HasViewerFor(const std::string& extension) override {
        auto wide = WideText(extension);
        if (wide.empty()) return false;
        if (wide.front() != L'.') wide.insert(wide.begin(), L'.');
        DWORD length = 0;
        const HRESULT result = ::AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND,
                                                   wide.c_str(), L"open", nullptr, &length);
        return (result == S_FALSE || result == S_OK) && length > 1;
    }
};
} // namespace

std::unique_ptr<FileTypes> CreateSystemFileTypes() {
    return std::make_unique<RegistryFileTypes>();
}

} // namespace brelvane::platform
