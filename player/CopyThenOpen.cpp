#include "player/CopyThenOpen.h"

#include "objects/records/ActionArguments.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/SpecialFolders.h"
#include "player/PlayerEnvironment.h"
#include "render/AnsiText.h"
#include "storage/AnsiCodePage.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
std::string WithBackslash(const std::string& path) {
    return !path.empty() && path.front() == '\\' ? path : "\\" + path;
}

// The target folder in front of a piece, when the piece is not blank.
std::string InTarget(const std::string& target, const std::string& piece) {
    if (Trimmed(piece).empty()) return {};
    return ResolvePath(target + WithBackslash(piece));
}

// False when the user does not answer a question with Yes.
bool Confirmed(QWidget* owner, const TCopyThenOpenArgument& argument) {
    if (!argument.ShowMessage) return true;
    const auto caption = FromAnsi(argument.MessageCaption);
    const auto text = FromAnsi(argument.MessageText);
    if (argument.MessageType == "0") platform::ShowInformation(owner, caption, text);
    if (argument.MessageType == "1") return platform::AskYesNo(owner, caption, text);
    return true;
}

bool CopyOne(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::create_directories(to.parent_path(), error);
    if (!error && !CopyFileOver(Utf8Path(from), Utf8Path(to)))
        error = std::error_code(errno, std::generic_category());
    if (error) ShowError("\"" + Utf8Path(to) + "\", " + error.message() + ".");
    return !error;
}

bool CopyTree(const fs::path& source, const fs::path& target, bool overwrite) {
    std::error_code error;
    fs::create_directories(target, error);
    for (fs::recursive_directory_iterator entry(source, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto to = target / fs::relative(entry->path(), source);
        if (entry->is_directory())
            fs::create_directories(to, error);
        else if ((overwrite || !fs::exists(to)) && !CopyOne(entry->path(), to))
            return false;
    }
    if (error) ShowError("\"" + source.string() + "\", " + error.message() + ".");
    return !error;
}
} // namespace

std::string UnmappedFolderText(const std::string& token) {
    return "The folder \"" + AnsiToUtf8(token) +
           "\" does not exist on this computer. Nothing was copied.";
}

bool TreeComplete(const std::string& source, const std::string& target) {
    std::error_code error;
    const auto from = NativePath(source);
    for (fs::recursive_directory_iterator entry(from, error), end; !error && entry != end;
         entry.increment(error))
        if (!fs::exists(NativePath(target) / fs::relative(entry->path(), from))) return false;
    return !error;
}

bool CopyThenOpen(QWidget* owner, const std::string& packed) {
    const auto argument = ParseCopyThenOpen(packed);
    if (argument.Source.empty()) return false;
    const auto special = platform::ResolveSpecialFolder(argument.Target);
    // A folder of Windows that this desktop lacks must not become a folder
    // named after the token in whatever the current folder is.
    if (special.empty() && platform::IsSpecialFolderToken(argument.Target)) {
        ShowError(UnmappedFolderText(argument.Target));
        return false;
    }
    const auto target = ResolvePath(special.empty() ? argument.Target : special);
    const auto source = BaseResolved(argument.Source);
    if (FileExists(source)) {
        const auto copy = NativePath(target) / NativePath(source).filename();
        if (argument.Overwrite || !fs::exists(copy)) {
            if (!Confirmed(owner, argument) || !CopyOne(NativePath(source), copy)) return false;
        }
    } else if (FolderExists(source)) {
        if (argument.Overwrite || !TreeComplete(source, target)) {
            if (!Confirmed(owner, argument) ||
                !CopyTree(NativePath(source), NativePath(target), argument.Overwrite))
                return false;
        }
    } else {
        return false;
    }
    const auto open = InTarget(target, argument.OpenFile);
    // The opened file's failure is not the copy's: no message, still success.
    if (!open.empty())
        platform::CurrentShell().Execute(
            {"open", open, argument.OpenParameters, InTarget(target, argument.OpenFolder), 1});
    return true;
}

} // namespace brelvane
