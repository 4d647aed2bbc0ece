// brelvane-tool viewer-picture: what the full-screen viewer shows for a picture.
#include "CommandOptions.h"
#include "Commands.h"
#include "player/LaunchSlideShowForm.h"

#include <cstdio>

namespace brelvane {

int RunViewerPictureCommand(const std::vector<std::string>& args) {
    const auto size =
        args.size() == 4 && args[2] == "--screen" ? SizeOption(args[3]) : std::nullopt;
    if (!size) {
        std::fprintf(stderr, "usage: brelvane-tool viewer-picture FILE OUT.png --screen WxH "
                             "(each 1 to 8192)\n");
        return 2;
    }
    TLaunchSlideShowForm viewer(QRect(QPoint(0, 0), *size));
    if (!viewer.PreparePicture(args[0])) {
        std::fprintf(stderr, "\"%s\" is missing or not a picture that can be shown\n",
                     args[0].c_str());
        return 1;
    }
    if (!viewer.grab().save(QString::fromStdString(args[1]), "PNG")) {
        std::fprintf(stderr, "cannot write \"%s\"\n", args[1].c_str());
        return 1;
    }
    const QRect shown = viewer.PictureRect();
    std::printf("{\"Left\": %d, \"Top\": %d, \"Width\": %d, \"Height\": %d}\n", shown.left(),
                shown.top(), shown.width(), shown.height());
    return 0;
}

} // namespace brelvane
