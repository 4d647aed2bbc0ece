#include "OtherReader.h"

#include <algorithm>
#include <cwchar>
#include <gtest/gtest.h>
#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <winver.h>

namespace brelvane::test {

namespace {

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                             wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

std::string Utf8(const wchar_t* text, std::size_t length) {
    std::string narrow(length * 3, '\0');
    const int written =
        ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), narrow.data(),
                              static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(std::max(written, 0)));
    return narrow;
}

// A resource type or name: a number below 0x10000 or a text.
std::string IdText(const wchar_t* id) {
    if (IS_INTRESOURCE(id)) return std::to_string(reinterpret_cast<std::uintptr_t>(id));
    return Utf8(id, std::wcslen(id));
}

// The executable mapped by the system's loader for its resources only (a 32-bit one too).
class ResourceModule {
public:
    explicit ResourceModule(const std::string& exe)
        : module_(::LoadLibraryExW(Wide(exe).c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
        EXPECT_NE(module_, nullptr) << exe << ": error " << ::GetLastError();
    }
    ~ResourceModule() {
        if (module_) ::FreeLibrary(module_);
    }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;
    HMODULE Handle() const { return module_; }

private:
    HMODULE module_;
};

BOOL CALLBACK AddName(HMODULE, LPCWSTR type, LPWSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(IdText(type) + "/" +
                                                                  IdText(name));
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR names) {
    ::EnumResourceNamesW(module, type, AddName, names);
    return TRUE;
}

} // namespace

std::vector<std::string> ListedResources(const std::string& exe) {
    std::vector<std::string> names;
    const ResourceModule module(exe);
    if (module.Handle())
        ::EnumResourceTypesW(module.Handle(), AddType, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

std::string ResourceBytes(const std::string& exe, int type, const std::string& name) {
    const ResourceModule module(exe);
    if (!module.Handle()) return {};
    const bool numbered =
        !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
    const std::wstring text = Wide(name);
    const HRSRC found = ::FindResourceW(module.Handle(),
                                        numbered ? MAKEINTRESOURCEW(std::stoi(name)) : text.c_str(),
                                        MAKEINTRESOURCEW(type));
    const HGLOBAL loaded = found ? ::LoadResource(module.Handle(), found) : nullptr;
    const auto* bytes = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, ::SizeofResource(module.Handle(), found)) : std::string();
}

std::string VersionStringsListing(const std::string& exe) {
    const std::wstring path = Wide(exe);
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeW(path.c_str(), &ignored));
    if (block.empty() ||
        !::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return "no version information: error " + std::to_string(::GetLastError()) + "\n";
    struct Translation {
        WORD Language, CodePage;
    };
    Translation* translation = nullptr;
    UINT size = 0;
    if (!::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                          reinterpret_cast<void**>(&translation), &size) ||
        size < sizeof(Translation))
        return "no translation\n";
    wchar_t table[32];
    std::swprintf(table, 32, L"\\StringFileInfo\\%04x%04x\\", translation->Language,
                  translation->CodePage);
    std::string listing;
    for (const char* key : {"CompanyName", "FileDescription", "LegalCopyright"}) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const bool found = ::VerQueryValueW(block.data(), (table + Wide(key)).c_str(),
                                            reinterpret_cast<void**>(&value), &length);
        // The length counts the closing zero when there is one.
        while (found && length > 0 && value[length - 1] == L'\0')
            --length;
        listing += std::string(key) + "=" + (found ? Utf8(value, length) : "<missing>") + "|\n";
    }
    return listing;
}

std::optional<std::string> SectionHeaderListing(const std::string&) {
    return std::nullopt;
}

std::string SystemErrorText(int code) {
    wchar_t buffer[1024] = {};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         static_cast<DWORD>(code), 0, buffer, 1024, nullptr);
    return Utf8(buffer, length);
}

void GiveDistinctMode(const std::string& path) {
    const std::wstring wide = Wide(path);
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
}

bool HasDistinctMode(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

} // namespace brelvane::test
