#include "Commands.h"
#include "TransitionsCommand.h"
#include "render/AAFaceNames.h"

#include <QApplication>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Command {
    std::function<int(const std::vector<std::string>&)> run;
    const char* usage;
    // Commands that draw need a GUI application object (no display).
    bool draws = false;
};

const std::map<std::string, Command>& CommandTable() {
    static const std::map<std::string, Command> table{
        {"index", {brelvane::RunIndexCommand, "index FILE          print a project index as JSON"}},
        {"page", {brelvane::RunPageCommand, "page FILE           print a page stream as JSON"}},
        {"roundtrip",
         {brelvane::RunRoundTripCommand, "roundtrip FILE      read a page and write it to stdout"}},
        {"render",
         {brelvane::RunRenderCommand,
          "render BASEFOLDER [PAGE] OUT.png  draw a page as the player shows it", true}},
        {"make-demo",
         {brelvane::RunMakeDemoCommand,
          "make-demo BASEFOLDER [--notebook] [--no-special-pages]  write the demo project", true}},
        {"make-templates",
         {brelvane::RunMakeTemplatesCommand,
          "make-templates DIR  write the starter template library (Pages/, Objects/)", true}},
        {"target",
         {brelvane::RunTargetCommand,
          "target BASEFOLDER    write autorun.tgt from the project source"}},
        {"target-info",
         {brelvane::RunTargetInfoCommand,
          "target-info FILE    print a target file's index as JSON"}},
        {"pack",
         {brelvane::RunPackCommand,
          "pack [--player FILE] BASEFOLDER OUT  append the base folder's package to its\n"
          "                    autorun.exe (or to FILE, e.g. build-win64/Brelvane.exe)"}},
        {"publish",
         {brelvane::RunPublishCommand,
          "publish BASEFOLDER --folder DIR | --iso FILE | --exe FILE [--runtime FOLDER] "
          "[--launcher FILE]  copy the base folder, make a disc image or one executable"}},
        {"unpack",
         {brelvane::RunUnpackCommand, "unpack EXE DIR      unpack a self-contained executable"}},
        {"transitions",
         {brelvane::RunTransitionsCommand,
          "transitions OUT_DIR  write a contact sheet of every transition style", true}},
        {"exe-info",
         {brelvane::RunExeInfoCommand,
          "exe-info FILE       print an executable's icon and version strings as JSON"}},
        {"exe-set",
         {brelvane::RunExeSetCommand,
          "exe-set FILE [--icon ICO] [--company S] [--description S] [--copyright S]  "
          "give an executable its own icon and version strings"}},
        {"aa-sheet",
         {brelvane::RunAATextSheetCommand,
          "aa-sheet OUT.png     write a contact sheet of the anti-aliased text effects", true}},
        {"slideshow",
         {brelvane::RunSlideShowCommand,
          "slideshow WORKFOLDER OUT_DIR [--size WxH] [--style N] [--step N] [--delay MS] "
          "[--interval MS] [--image-style N] [--seed N]  print a folder's show as JSON and "
          "write its first transition as frame-001.png ...",
          true}},
        {"hint",
         {brelvane::RunHintCommand,
          "hint OUT.png --text T --mouse X,Y --screen WxH [--direction N] [--backstyle N] "
          "[--shadow S]  draw a hint balloon over a test pattern, print its window as JSON",
          true}},
        {"viewer-picture",
         {brelvane::RunViewerPictureCommand,
          "viewer-picture FILE OUT.png --screen WxH  draw what the full-screen viewer shows",
          true}},
        {"rtf",
         {brelvane::RunRtfCommand,
          "rtf IN [OUT]        print rich text as JSON, or write it again as RTF to OUT"}},
        {"link",
         {brelvane::RunLinkCommand,
          "link ADDRESS        print the command a web view link runs (exit 1 for none)"}},
        {"avi-frames",
         {brelvane::RunAviFramesCommand,
          "avi-frames FILE OUT_DIR  print an AVI clip's headers as JSON, write its frames as PNG"}},
        {"dialog",
         {brelvane::RunDialogCommand,
          "dialog NAME BASEFOLDER [PAGE] OUT.png  draw a dialog on a page's data", true}},
    };
    return table;
}

int Usage() {
    std::fprintf(stderr, "usage: brelvane-tool COMMAND [ARGS]\n");
    for (const auto& [name, command] : CommandTable())
        std::fprintf(stderr, "  %s\n", command.usage);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const auto found = CommandTable().find(argv[1]);
    if (found == CommandTable().end()) return Usage();
    std::unique_ptr<QApplication> application;
    if (found->second.draws) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt sees the program name only: it would take options such as
        // --style for itself and remove them from the command's arguments.
        static int applicationArgc = 1;
        application = std::make_unique<QApplication>(applicationArgc, argv);
        // Drawn as the player draws: the same faces for the Windows ones that are missing.
        brelvane::InstallFaceStandIns();
    }
    return found->second.run(std::vector<std::string>(argv + 2, argv + argc));
}
