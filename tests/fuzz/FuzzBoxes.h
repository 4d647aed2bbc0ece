#pragma once

#include "storage/ErrorReport.h"

#include <cstdlib>
#include <string>

namespace brelvane::fuzz {

// Counts the error boxes of one read; a failed read shows at most one, a
// successful read none.
class BoxCounter {
public:
    BoxCounter() : previous_(SetErrorSink([this](const std::string&) { ++count_; })) {}
    ~BoxCounter() { SetErrorSink(previous_); }
    BoxCounter(const BoxCounter&) = delete;
    BoxCounter& operator=(const BoxCounter&) = delete;

    void Check(bool succeeded) const {
        if (count_ > (succeeded ? 0 : 1)) std::abort();
    }

private:
    int count_ = 0;
    ErrorSink previous_;
};

} // namespace brelvane::fuzz
