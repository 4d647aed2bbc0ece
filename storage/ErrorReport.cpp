#include "storage/ErrorReport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace brelvane {

namespace {
std::mutex sinkMutex;
ErrorSink currentSink;

// Error 0 means no system call failed: the data itself was damaged or cut
// off. The system's text for it would read as success.
std::string SystemText(int systemError) {
    if (systemError == 0) return kDamagedDataText;
    return std::strerror(systemError);
}
} // namespace

ErrorSink SetErrorSink(ErrorSink sink) {
    std::lock_guard lock(sinkMutex);
    std::swap(sink, currentSink);
    return sink;
}

void ShowError(const std::string& text) {
    ErrorSink sink;
    {
        std::lock_guard lock(sinkMutex);
        sink = currentSink;
    }
    if (sink)
        sink(text);
    else
        std::fprintf(stderr, "Error: %s\n", text.c_str());
}

std::string ErrorText(int systemError, int code) {
    return SystemText(systemError) + " (Error Code: " + std::to_string(systemError) + "/" +
           std::to_string(code) + ").";
}

std::string FileErrorText(int systemError, int code, const std::string& path) {
    return "\"" + path + "\", " + ErrorText(systemError, code);
}

void ReportError(int code) {
    ShowError(ErrorText(errno, code));
}

void ReportFileError(int code, const std::string& path) {
    ShowError(FileErrorText(errno, code, path));
}

ErrorCollector::ErrorCollector() {
    previous_ = SetErrorSink([this](const std::string& text) { messages_.push_back(text); });
}

ErrorCollector::~ErrorCollector() {
    SetErrorSink(std::move(previous_));
}

} // namespace brelvane
