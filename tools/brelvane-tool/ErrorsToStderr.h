#pragma once

#include "storage/ErrorReport.h"

#include <cstdio>
#include <string>

namespace brelvane {

// Sends error boxes to stderr while alive and remembers whether one came.
class ErrorsToStderr {
public:
    ErrorsToStderr() {
        previous_ = SetErrorSink([this](const std::string& text) {
            failed_ = true;
            std::fprintf(stderr, "%s\n", text.c_str());
        });
    }
    ~ErrorsToStderr() { SetErrorSink(std::move(previous_)); }
    ErrorsToStderr(const ErrorsToStderr&) = delete;
    ErrorsToStderr& operator=(const ErrorsToStderr&) = delete;
    int ExitCode(bool succeeded) const { return succeeded && !failed_ ? 0 : 1; }

private:
    ErrorSink previous_;
    bool failed_ = false;
};

} // namespace brelvane
