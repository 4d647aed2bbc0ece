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

// What the numbered report says in place of the system's text when the
// system reports no error (a damaged or cut file).
inline constexpr char kDamagedDataText[] = "The data is damaged or incomplete.";

// Texts are in the machine's encoding (UTF-8): paths, the system's texts.
// The error box with caption "Error".
void ShowError(const std::string& text);
// "<system text> (Error Code: <errno>/<code>)."; for errno 0 the system text
// is kDamagedDataText.
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
