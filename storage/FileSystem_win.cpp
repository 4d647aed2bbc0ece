#include "storage/ByteStream.h"
#include "storage/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <windows.h>

namespace brelvane {

namespace {
// The error report speaks errno on every system; Windows' codes are mapped
// onto the nearest cause.
int ErrnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_PATHNAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
    case ERROR_NEGATIVE_SEEK:
        return EINVAL;
    default:
        return EIO;
    }
}

[[noreturn]] void Fail(const std::string& what) {
    errno = ErrnoOf(::GetLastError());
    throw StreamError(what);
}

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          size);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                          nullptr, nullptr);
    return utf8;
}

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

constexpr std::intptr_t kClosed = -1;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool IsLink(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

std::filesystem::path NativePath(const std::string& path) {
    return std::filesystem::path(Wide(path));
}

std::string Utf8Path(const std::filesystem::path& path) {
    return Narrow(path.native());
}

TNativeFile::TNativeFile(const std::string& path, Mode mode) : handle_(kClosed) {
    const auto wide = Wide(path);
    DWORD access = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    switch (mode) {
    case Mode::Read:
        break;
    case Mode::Create:
        access = GENERIC_READ | GENERIC_WRITE;
        disposition = CREATE_ALWAYS;
        break;
    case Mode::ReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    case Mode::CreateNoFollow:
        access = GENERIC_WRITE;
        disposition = CREATE_ALWAYS;
        // Whatever stands there is opened itself, so a link is seen, not followed.
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
        break;
    }
    if (mode == Mode::CreateNoFollow && IsLink(::GetFileAttributesW(wide.c_str()))) {
        errno = ELOOP;
        throw StreamError("a link stands in the place of " + path);
    }
    const HANDLE file =
        ::CreateFileW(wide.c_str(), access, kShareAll, nullptr, disposition, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // A folder cannot be opened as a file; say so as the other systems do.
        if (IsFolder(::GetFileAttributesW(wide.c_str()))) {
            errno = EISDIR;
            throw StreamError("is a folder: " + path);
        }
        Fail("cannot open " + path);
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

TNativeFile::~TNativeFile() {
    if (handle_ != kClosed) ::CloseHandle(Handle(handle_));
}

std::size_t TNativeFile::ReadUpTo(void* target, std::size_t count) {
    auto* out = static_cast<char*>(target);
    std::size_t done = 0;
    while (done < count) {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(Handle(handle_), out + done, wanted, &got, nullptr)) Fail("read failed");
        if (got == 0) break;
        done += got;
    }
    return done;
}

void TNativeFile::WriteAll(const void* source, std::size_t count) {
    const auto* in = static_cast<const char*>(source);
    while (count > 0) {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(Handle(handle_), in, wanted, &written, nullptr)) Fail("write failed");
        in += written;
        count -= written;
    }
}

void TNativeFile::Seek(std::uint64_t position) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(position);
    if (!::SetFilePointerEx(Handle(handle_), to, nullptr, FILE_BEGIN)) Fail("seek failed");
}

std::uint64_t TNativeFile::Size() const {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(Handle(handle_), &size)) Fail("cannot find the size");
    return static_cast<std::uint64_t>(size.QuadPart);
}

void TNativeFile::Sync() {
    if (!::FlushFileBuffers(Handle(handle_))) Fail("sync failed");
}

void TNativeFile::Close() {
    if (handle_ == kClosed) return;
    const HANDLE file = Handle(handle_);
    handle_ = kClosed;
    if (!::CloseHandle(file)) Fail("close failed");
}

// The user's temporary folder keeps what is made in it private already.
TFolderMade MakeFolder(const std::string& path, bool /*privateToUser*/) {
    const auto wide = Wide(path);
    if (::CreateDirectoryW(wide.c_str(), nullptr)) return TFolderMade::Made;
    const DWORD error = ::GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
        errno = ErrnoOf(error);
        return TFolderMade::Failed;
    }
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (IsFolder(attributes) && !IsLink(attributes)) return TFolderMade::Existed;
    errno = EEXIST;
    return TFolderMade::Failed;
}

std::vector<TFolderEntry> ListFolder(const std::string& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(Wide(path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) Fail("cannot list " + path);
    std::vector<TFolderEntry> entries;
    do {
        const auto name = Narrow(found.cFileName);
        if (name == "." || name == "..") continue;
        auto kind = TEntryKind::File;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            kind = IsLink(found.dwFileAttributes) ? TEntryKind::Other : TEntryKind::Folder;
        else if (found.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)
            kind = TEntryKind::Other;
        entries.push_back({name, kind});
    } while (::FindNextFileW(search, &found));
    const DWORD error = ::GetLastError();
    ::FindClose(search);
    if (error != ERROR_NO_MORE_FILES) {
        errno = ErrnoOf(error);
        throw StreamError("cannot list " + path);
    }
    return entries;
}

std::uint64_t SizeOfFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
        Fail("cannot find " + path);
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string CreateFileBeside(const std::string& path) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = path + ".";
        for (int i = 0; i < 6; ++i)
            name += kLetters[letter(random)];
        const HANDLE file = ::CreateFileW(Wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file);
            return name;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    Fail("cannot create a temporary file beside " + path);
}

void CopyPermissions(const std::string&, const std::string&) {
    // Windows keeps permissions in access lists, which a new file inherits from its folder.
}

void RenameOver(const std::string& source, const std::string& target) {
    if (!::MoveFileExW(Wide(source).c_str(), Wide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail("cannot replace " + target);
}

// The system's own copy: the C++ library's refuses to replace a file here.
bool CopyFileOver(const std::string& source, const std::string& target) {
    if (::CopyFileW(Wide(source).c_str(), Wide(target).c_str(), FALSE)) return true;
    errno = ErrnoOf(::GetLastError());
    return false;
}

bool WriteStandardOutput(const void* bytes, std::size_t count) {
    // The C library's standard output would turn every \n into \r\n.
    std::fflush(stdout);
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const auto* in = static_cast<const char*>(bytes);
    while (count > 0) {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(out, in, wanted, &written, nullptr) || written == 0) return false;
        in += written;
        count -= written;
    }
    return true;
}

} // namespace brelvane
