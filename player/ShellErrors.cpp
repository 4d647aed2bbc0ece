#include "player/ShellErrors.h"

#include <map>

namespace brelvane {

std::string ShellErrorMessage(int code) {
    static const std::map<int, std::string> messages = {
        {0, "The operating system is out of memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied access to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred."},
        {27, "The filename association is incomplete or invalid."},
        {28, "The DDE transaction could not be completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not be completed because other DDE transactions were "
             "being processed."},
        {31, "There is no application associated with the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    };
    const auto found = messages.find(code);
    return found != messages.end() ? found->second : "Operation Error";
}

std::string FileNotFoundText(const std::string& path) {
    return "The specified file \"" + path + "\" was not found.";
}

} // namespace brelvane
