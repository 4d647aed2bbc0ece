#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brelvane {

// Where error boxes go: the GUI installs a message box, tests and the
// command-line tool collect the texts. Without a sink, texts go to stderr.
using ErrorSink = std::function<void(const std::string& text)>;

// Installs `sink` and returns the previous one.
ErrorSink SetErrorSink(ErrorSink sink);

// The error box with caption "Error".
void ShowError(const std::string& text);
// "<system text> (Error Code: <errno>/<code>)."
void ReportError(int code);
// "\"<path>\", <system text> (Error Code: <errno>/<code>)."
void ReportFileError(int code, const std::string& path);

// The texts themselves, for callers that need them without a box.
std::string ErrorText(int systemError, int code);
std::string FileErrorText(int systemError, int code, const std::string& path);

// Collects every error text while alive, restoring the previous sink after.
class ErrorCollector {
public:
    ErrorCollector();
    ~ErrorCollector();
    ErrorCollector(const ErrorCollector&) = delete;
    ErrorCollector& operator=(const ErrorCollector&) = delete;

    const std::vector<std::string>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

private:
    std::vector<std::string> messages_;
    ErrorSink previous_;
};

} // namespace brelvane
