#pragma once

#include "storage/ErrorReport.h"

#include <utility>

namespace brelvane {

// The shape of every stored-record operation: run the field transfers; a nested
// block that fails has already reported and makes this one return false; any
// exception raised here (stream ended, file error, allocation failure, bad
// data) is reported once with this operation's own code.
template <class Body> bool Transfer(int code, Body&& body) {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        ReportError(code);
        return false;
    }
}

// As Transfer, for operations whose report names a file.
template <class Body> bool FileTransfer(int code, const std::string& path, Body&& body) {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        ReportFileError(code, path);
        return false;
    }
}

} // namespace brelvane
