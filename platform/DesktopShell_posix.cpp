#include "platform/DesktopShell_posix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>

namespace brelvane::platform {

namespace {
const QString kOpener = "xdg-open";
const QString kSpooler = "lp";

QString Decoded(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

// "http:", "mailto:" and the like; one letter would be a drive.
bool IsAddress(const QString& target) {
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    return scheme.match(target).hasMatch() || target.startsWith("www.", Qt::CaseInsensitive);
}

QString SchemeOf(const QString& address) {
    const auto colon = address.indexOf(':');
    return colon > 1 ? address.left(colon).toLower() : QString("http");
}

// Windows' answers for a path that cannot be used.
int PathCode(const QFileInfo& info) {
    if (!info.exists()) return info.dir().exists() ? scFileNotFound : scPathNotFound;
    if (!info.isDir() && !info.isReadable()) return scAccessDenied;
    return scSuccess;
}

bool IsProgramType(const QMimeType& type) {
    for (const char* name :
         {"application/x-executable", "application/x-pie-executable", "application/x-sharedlib"})
        if (type.inherits(name)) return true;
    return false;
}

// What the spooler's filters print.
bool IsPrintable(const QMimeType& type) {
    return type.name().startsWith("text/") || type.name().startsWith("image/") ||
           type.inherits("text/plain") || type.inherits("application/pdf") ||
           type.inherits("application/postscript");
}
} // namespace

DesktopShell::DesktopShell(std::unique_ptr<ProcessLauncher> launcher)
    : launcher_(std::move(launcher)) {}

int DesktopShell::Opener(const QString& mimeType, const QString& target, ProcessRequest& process) {
    if (launcher_->FindProgram(kOpener).isEmpty()) return scNoAssociation;
    if (launcher_->Query({"xdg-mime", {"query", "default", mimeType}, {}}).isEmpty())
        return scNoAssociation;
    process.Program = kOpener;
    process.Arguments = {target};
    return scSuccess;
}

int DesktopShell::ResolveAddress(const QString& address, ProcessRequest& process) {
    return Opener("x-scheme-handler/" + SchemeOf(address), address, process);
}

int DesktopShell::ResolveOpen(const QString& file, const ShellRequest& request,
                              ProcessRequest& process) {
    const QFileInfo info(file);
    if (const int code = PathCode(info); !ShellSucceeded(code)) return code;
    if (info.isDir()) return Opener("inode/directory", file, process);
    const auto type = QMimeDatabase().mimeTypeForFile(info);
    if (info.isExecutable()) {
        process.Program = info.absoluteFilePath();
        process.Arguments = QProcess::splitCommand(Decoded(request.Parameters));
        return scSuccess;
    }
    if (IsProgramType(type)) return scAccessDenied;
    return Opener(type.name(), file, process);
}

int DesktopShell::ResolvePrint(const QString& file, ProcessRequest& process) {
    const QFileInfo info(file);
    if (const int code = PathCode(info); !ShellSucceeded(code)) return code;
    if (info.isDir() || !IsPrintable(QMimeDatabase().mimeTypeForFile(info)) ||
        launcher_->FindProgram(kSpooler).isEmpty())
        return scNoAssociation;
    process.Program = kSpooler;
    process.Arguments = {"--", file};
    return scSuccess;
}

int DesktopShell::ResolveExplore(const QString& folder, ProcessRequest& process) {
    const QFileInfo info(folder);
    if (!info.isDir()) return scPathNotFound;
    return Opener("inode/directory", folder, process);
}

int DesktopShell::Resolve(const ShellRequest& request, ProcessRequest& process) {
    const auto verb = Decoded(request.Verb).toLower();
    const auto file = Decoded(request.File);
    const auto folder = Decoded(request.Folder);
    process = {};
    int code = scNoAssociation;
    if (verb == "open")
        code =
            IsAddress(file) ? ResolveAddress(file, process) : ResolveOpen(file, request, process);
    else if (verb == "print")
        code = ResolvePrint(file, process);
    else if (verb == "explore")
        code = ResolveExplore(file, process);
    if (!ShellSucceeded(code)) return code;
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) return scPathNotFound;
    process.Folder = folder;
    return scSuccess;
}

int DesktopShell::Execute(const ShellRequest& request) {
    ProcessRequest process;
    if (const int code = Resolve(request, process); !ShellSucceeded(code)) return code;
    if (launcher_->StartDetached(process)) return scSuccess;
    return process.Program == kOpener || process.Program == kSpooler ? scNoAssociation
                                                                     : scInvalidExecutable;
}

int DesktopShell::ExecuteAndWait(const ShellRequest& request, bool waitForEnd, int& exitCode) {
    if (!waitForEnd) return Execute(request);
    ProcessRequest process;
    if (const int code = Resolve(request, process); !ShellSucceeded(code)) return code;
    const auto ended = launcher_->RunToEnd(process);
    if (!ended) return scInvalidExecutable;
    exitCode = *ended;
    return scSuccess;
}

std::unique_ptr<Shell> CreateSystemShell() {
    return std::make_unique<DesktopShell>(CreateProcessLauncher());
}

} // namespace brelvane::platform
