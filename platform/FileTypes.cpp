#include "platform/FileTypes.h"

namespace brelvane::platform {

namespace {
std::unique_ptr<FileTypes>& Installed() {
    static std::unique_ptr<FileTypes> fileTypes = CreateSystemFileTypes();
    return fileTypes;
}
} // namespace

FileTypes& CurrentFileTypes() {
    return *Installed();
}

std::unique_ptr<FileTypes> SetFileTypes(std::unique_ptr<FileTypes> fileTypes) {
    std::swap(fileTypes, Installed());
    return fileTypes;
}

} // namespace brelvane::platform
