#include "storage/exe/ExeErrors.h"

namespace brelvane {

EResourceError::EResourceError(const std::string& text)
    : std::runtime_error("Resource update error: " + text), text_(text) {}

EResourceError PlatformCallError(const std::string& text, int error) {
    return EResourceError(text + " (" + std::to_string(error) + ")");
}

} // namespace brelvane
