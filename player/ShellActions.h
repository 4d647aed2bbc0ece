#pragma once

#include "platform/Shell.h"

#include <string>

class QWidget;

namespace brelvane {

// Opens through the shell; a failure shows the message for its code, or
// `failureText` when one is given. Returns success.
bool ShellOpen(const platform::ShellRequest& request, const std::string& failureText = {});

// Opens or runs one file; with `wait` the "Please Wait..." window stays
// until the program has ended. Failures show their message.
bool RunFile(const std::string& verb, const std::string& file, int show, bool wait,
             const std::string& folder, const std::string& params);

// Starts through the shell and, when asked, waits for the end while the
// windows stay alive. An empty folder means the file's own folder. `code`
// gets the shell code (33 on success). Shows no messages.
bool RunAndWait(const std::string& verb, const std::string& file, const std::string& params,
                int& code, int show, bool waitForInputIdle, bool waitForEnd,
                const std::string& folder);

} // namespace brelvane
