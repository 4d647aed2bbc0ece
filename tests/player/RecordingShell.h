#pragma once

#include "platform/Shell.h"

#include <functional>
#include <memory>
#include <vector>

namespace brelvane::test {

// Installed as the process shell while alive: records every request and
// answers with `Code`.
class RecordingShell {
public:
    RecordingShell() {
        auto shell = std::make_unique<Fake>(*this);
        previous_ = platform::SetShell(std::move(shell));
    }
    ~RecordingShell() { platform::SetShell(std::move(previous_)); }
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    std::vector<platform::ShellRequest> Requests;
    std::vector<bool> Waited;
    int Code = platform::scSuccess;
    // Runs before each request is answered.
    std::function<void()> OnRequest = [] {};

private:
    class Fake final : public platform::Shell {
    public:
        explicit Fake(RecordingShell& log) : log_(log) {}
        int Execute(const platform::ShellRequest& request) override {
            log_.OnRequest();
            log_.Requests.push_back(request);
            log_.Waited.push_back(false);
            return log_.Code;
        }
        int ExecuteAndWait(const platform::ShellRequest& request, bool waitForEnd,
                           int& exitCode) override {
            log_.OnRequest();
            log_.Requests.push_back(request);
            log_.Waited.push_back(waitForEnd);
            exitCode = 0;
            return log_.Code;
        }

    private:
        RecordingShell& log_;
    };
    std::unique_ptr<platform::Shell> previous_;
};

} // namespace brelvane::test
