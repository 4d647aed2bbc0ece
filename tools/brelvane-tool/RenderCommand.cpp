#include "Commands.h"
#include "app/StartUp.h"
#include "platform/WebEngine.h"
#include "player/AutoRunForm.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

namespace brelvane {

int RunRenderCommand(const std::vector<std::string>& args) {
    if (args.size() != 2 && args.size() != 3) {
        std::fprintf(stderr, "usage: brelvane-tool render BASEFOLDER [PAGE] OUT.png\n");
        return 2;
    }
    // The page is built as the player beside the project would build it, but
    // web views and Flash movies show their placeholders: the browser's
    // pixels cannot be grabbed offscreen.
    platform::SetWebEngine(nullptr);
    TProcessState state;
    SetProgramPaths(state, args[0] + "/autorun.exe");
    if (!StartPlayer(state)) return 1;
    TAutoRunForm form;
    const bool built =
        args.size() == 3 ? form.BuildPage(args[1], TPageReadMode::Build) : form.BuildMainPage();
    if (!built) {
        std::fprintf(stderr, "the page could not be built\n");
        return 1;
    }
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.show();
    form.FinishFade();
    QApplication::processEvents();
    const QString out = QString::fromStdString(args.back());
    if (!form.grab().save(out, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", args.back().c_str());
        return 1;
    }
    return 0;
}

} // namespace brelvane
