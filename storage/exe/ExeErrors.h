#pragma once

#include <cerrno>
#include <stdexcept>
#include <string>

namespace brelvane {

// What the resource operations raise: the message is "Resource update error: "
// followed by the text.
class EResourceError : public std::runtime_error {
public:
    explicit EResourceError(const std::string& text);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// A failed platform call: the text, a blank and the error number in parentheses.
EResourceError PlatformCallError(const std::string& text, int error);

// An executable or a resource inside it is not what its headers claim. The
// readers raise it; the public operations turn it into their own messages.
class EExeFormat : public std::runtime_error {
public:
    // `error` is the platform error number an operation reports for it.
    explicit EExeFormat(const std::string& what, int error = kNotExecutable)
        : std::runtime_error(what), error_(error) {}
    int Error() const { return error_; }

    static constexpr int kNotExecutable = ENOEXEC;
    static constexpr int kNoRoom = ENOSPC;

private:
    int error_;
};

} // namespace brelvane
