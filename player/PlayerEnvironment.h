#pragma once

#include "project/PageSource.h"
#include "storage/ProjectIndex.h"

#include <QPointer>
#include <QWidget>
#include <string>

namespace brelvane {

// What every page window of the process reads: the project, where its pages
// come from, and what the platform offers. Set once at start.
struct TPlayerEnvironment {
    const TProjectIndex* Project = nullptr;
    TPageSource Source;
    bool DesignerMode = false;
    // The designer's grid on its page model (test runs never show it); 0 none.
    int DesignGridX = 0;
    int DesignGridY = 0;
    bool IsNtPlatform = true;
    bool CanFade = true;
    // The application title ("AutoRun", the project's title or the main page's caption).
    std::string ApplicationTitle = "AutoRun";
    // The last screen background window, kept behind the menu.
    QPointer<QWidget> ScreenBackground;
};

TPlayerEnvironment& PlayerEnvironment();

// The path rule: a leading backslash when missing, then the base folder in
// front; backslashes become slashes and the name is matched in any case.
std::string BaseResolved(const std::string& relative);
// A working folder by the path rule; an empty one is the base folder itself.
std::string BaseResolvedFolder(const std::string& relative);

} // namespace brelvane
