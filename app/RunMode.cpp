#include "app/RunMode.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace brelvane {

bool IsDesignerName(const std::string& fileName) {
    std::string lower = fileName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "brelvane" || lower == "brelvane.exe";
}

bool IsInstallationRun(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], "-I") == 0;
}

} // namespace brelvane
