#pragma once

#include <memory>
#include <string>

namespace brelvane::platform {

// Whether the desktop can open files of a type; tests install a fake.
class FileTypes {
public:
    virtual ~FileTypes() = default;
    // `extension` with or without its leading dot, e.g. ".pdf".
    virtual bool HasViewerFor(const std::string& extension) = 0;
};

// The system's own answer (DesktopFileTypes_posix.h, RegistryFileTypes_win.cpp).
std::unique_ptr<FileTypes> CreateSystemFileTypes();

// The process-wide file types: the system's unless replaced.
FileTypes& CurrentFileTypes();
// Installs `fileTypes` and returns the previous one (tests).
std::unique_ptr<FileTypes> SetFileTypes(std::unique_ptr<FileTypes> fileTypes);

} // namespace brelvane::platform
