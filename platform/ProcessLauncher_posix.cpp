#include "platform/DesktopShell_posix.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>

namespace brelvane::platform {

namespace {
void Prepare(QProcess& process, const ProcessRequest& request) {
    process.setProgram(request.Program);
    process.setArguments(request.Arguments);
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
        QProcess process;
        Prepare(process, request);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        process.start();
        if (!process.waitForStarted()) return std::nullopt;
        // The loop, not a blocking wait, so that the windows keep repainting.
        if (process.state() != QProcess::NotRunning) loop.exec();
        return process.exitCode();
    }
};
} // namespace

std::unique_ptr<ProcessLauncher> CreateProcessLauncher() {
    return std::make_unique<QtProcessLauncher>();
}

} // namespace brelvane::platform
