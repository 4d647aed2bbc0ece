#include "platform/BundledRuntime.h"

#include <filesystem>

namespace brelvane::platform {

std::string RunningProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

} // namespace brelvane::platform
