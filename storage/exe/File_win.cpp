#include "storage/exe/File.h"

#include <algorithm>
#include <vector>
#include <windows.h>

namespace brelvane {

namespace {

HANDLE Native(TFile::THandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

DWORD Creation(TFileCreation creation) {
    switch (creation) {
    case TFileCreation::CreateAlways:
        return CREATE_ALWAYS;
    case TFileCreation::CreateNew:
        return CREATE_NEW;
    case TFileCreation::OpenExisting:
        return OPEN_EXISTING;
    case TFileCreation::OpenAlways:
        break;
    }
    return OPEN_ALWAYS;
}

DWORD Access(TFileAccess access) {
    switch (access) {
    case TFileAccess::Read:
        return GENERIC_READ;
    case TFileAccess::Write:
        return GENERIC_WRITE;
    case TFileAccess::ReadWrite:
        break;
    }
    return GENERIC_READ | GENERIC_WRITE;
}

DWORD Sharing(TFileSharing sharing) {
    switch (sharing) {
    case TFileSharing::None:
        return 0;
    case TFileSharing::Read:
        return FILE_SHARE_READ;
    case TFileSharing::Write:
        return FILE_SHARE_WRITE;
    case TFileSharing::ReadWrite:
        break;
    }
    return FILE_SHARE_READ | FILE_SHARE_WRITE;
}

[[noreturn]] void FailWithLastError() {
    throw EFileError(static_cast<int>(GetLastError()));
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

} // namespace

std::string PlatformErrorText(int code) {
    char buffer[1024] = {};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(code), 0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}

TFile::~TFile() {
    const DWORD saved = GetLastError();
    Close();
    SetLastError(saved);
}

void TFile::Open(const std::string& name, TFileCreation creation, TFileAccess access,
                 TFileSharing sharing) {
    Close();
    const HANDLE handle = CreateFileA(name.c_str(), Access(access), Sharing(sharing), nullptr,
                                      Creation(creation), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) FailWithLastError();
    handle_ = reinterpret_cast<THandle>(handle);
    owned_ = true;
}

void TFile::Close() {
    if (handle_ != kNoHandle && owned_) CloseHandle(Native(handle_));
    handle_ = kNoHandle;
    owned_ = false;
}

std::size_t TFile::Read(void* buffer, std::size_t count) {
    auto* target = static_cast<std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const DWORD step = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(Native(handle_), target + done, step, &got, nullptr)) {
            if (GetLastError() == ERROR_BROKEN_PIPE && !owned_) break;
            FailWithLastError();
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

void TFile::WriteBuffer(const void* buffer, std::size_t count) {
    const auto* source = static_cast<const std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const DWORD step = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(Native(handle_), source + done, step, &put, nullptr)) FailWithLastError();
        if (put == 0) throw EFileError(kFileErrorWriteFault);
        done += put;
    }
}

void TFile::Seek(std::uint64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(Native(handle_), distance, nullptr, FILE_BEGIN)) FailWithLastError();
}

std::uint64_t TFile::Position() const {
    LARGE_INTEGER zero{}, position{};
    if (!SetFilePointerEx(Native(handle_), zero, &position, FILE_CURRENT)) FailWithLastError();
    return static_cast<std::uint64_t>(position.QuadPart);
}

std::uint64_t TFile::Size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(Native(handle_), &size)) FailWithLastError();
    return static_cast<std::uint64_t>(size.QuadPart);
}

void TFile::Resize(std::uint64_t size) {
    const std::uint64_t position = Position();
    Seek(size);
    if (!SetEndOfFile(Native(handle_))) FailWithLastError();
    Seek(std::min(position, size));
}

void TFile::CopyFrom(TFile& source, std::uint64_t offset, std::uint64_t length) {
    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<std::uint64_t>(length, 1u << 20)));
    while (length > 0) {
        const auto step = static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size()));
        source.Seek(offset);
        source.ReadBuffer(buffer.data(), step);
        WriteBuffer(buffer.data(), step);
        offset += step;
        length -= step;
    }
}

void TFile::Sync() {
    if (!FlushFileBuffers(Native(handle_))) FailWithLastError();
}

void ReplaceFileThroughCopy(const std::string& path,
                            const std::function<void(TFile& original, TFile& copy)>& write) {
    TFile original(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) FailWithLastError();
    char temporary[MAX_PATH] = {};
    if (GetTempFileNameA(FolderOf(path).c_str(), "brv", 0, temporary) == 0) FailWithLastError();
    try {
        {
            TFile copy(temporary, TFileCreation::CreateAlways, TFileAccess::ReadWrite,
                       TFileSharing::None);
            write(original, copy);
            copy.Sync();
        }
        original.Close();
        if (!SetFileAttributesA(temporary, attributes) ||
            !MoveFileExA(temporary, path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            FailWithLastError();
    } catch (...) {
        const DWORD saved = GetLastError();
        DeleteFileA(temporary);
        SetLastError(saved);
        throw;
    }
}

} // namespace brelvane
