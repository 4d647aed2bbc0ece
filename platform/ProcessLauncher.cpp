#include "platform/BundledRuntime.h"
#include "platform/Shell.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace brelvane::platform {

namespace {
constexpr int kPollMs = 100;
constexpr int kSignalled = 255;

void Prepare(QProcess& process, const ProcessRequest& request) {
    process.setProgram(request.Program);
    process.setArguments(request.Arguments);
    process.setProcessEnvironment(ChildEnvironment());
    if (!request.Folder.isEmpty()) process.setWorkingDirectory(request.Folder);
}

class QtProcessLauncher final : public ProcessLauncher {
public:
    QString FindProgram(const QString& name) override {
        return QStandardPaths::findExecutable(name);
    }

    QString Query(const ProcessRequest& request) override {
        QProcess process;
        Prepare(process, request);
        process.start(QIODevice::ReadOnly);
        // A query of the desktop's database answers at once; a hung one is no answer.
        if (!process.waitForFinished(3000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return {};
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }

    bool StartDetached(const ProcessRequest& request) override {
        QProcess process;
        Prepare(process, request);
        return process.startDetached();
    }

    std::optional<int> RunToEnd(const ProcessRequest& request) override {
        const auto outcome = RunWhile(request, [] { return true; }, {});
        if (!outcome.Started) return std::nullopt;
        return outcome.ExitCode;
    }

    RunOutcome RunWhile(const ProcessRequest& request, const std::function<bool()>& keepGoing,
                        const std::function<void(const QString&)>& outputLine) override {
        QProcess process;
        Prepare(process, request);
        process.setProcessChannelMode(outputLine ? QProcess::MergedChannels
                                                 : QProcess::ForwardedChannels);
        QObject::connect(&process, &QProcess::readyRead, [&] {
            while (process.canReadLine())
                outputLine(QString::fromLocal8Bit(process.readLine()).trimmed());
        });
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        RunOutcome outcome;
        QTimer poll;
        poll.setInterval(kPollMs);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (outcome.Cancelled || keepGoing()) return;
            outcome.Cancelled = true;
            process.kill();
        });
        process.start();
        if (!process.waitForStarted()) return outcome;
        outcome.Started = true;
        poll.start();
        // The loop, not a blocking wait, so that the windows keep repainting.
        if (process.state() != QProcess::NotRunning) loop.exec();
        outcome.ExitCode =
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : kSignalled;
        return outcome;
    }
};
} // namespace

RunOutcome ProcessLauncher::RunWhile(const ProcessRequest& request, const std::function<bool()>&,
                                     const std::function<void(const QString&)>&) {
    const auto code = RunToEnd(request);
    return {code.has_value(), false, code.value_or(0)};
}

std::unique_ptr<ProcessLauncher> CreateProcessLauncher() {
    return std::make_unique<QtProcessLauncher>();
}

} // namespace brelvane::platform
