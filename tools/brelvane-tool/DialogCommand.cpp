#include "Commands.h"
#include "app/StartUp.h"
#include "dialogs/ActionEditorForm.h"
#include "dialogs/ActionFileForm.h"
#include "dialogs/ActionGroupForm.h"
#include "dialogs/CopyFileActionForm.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/InstallWareForm.h"
#include "dialogs/LaunchSlideShowActionForm.h"
#include "dialogs/ObjectLoadFileActionForm.h"
#include "dialogs/RichEditorForm.h"
#include "dialogs/SelectColorForm.h"
#include "dialogs/SettingsForm.h"
#include "dialogs/ShowHideForm.h"
#include "dialogs/TextEditorForm.h"
#include "objects/records/ActionArguments.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/TextBoxPayload.h"
#include "player/AutoRunForm.h"

#include <QApplication>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace brelvane {

namespace {
// The first action of the page (its objects in page order) of `type`, or
// an empty one of that type.
TCommand FirstAction(const TAutoObjects& objects, int type) {
    for (const auto& object : objects)
        if (object->Props.ActionType == type) return object->Props;
    TCommand command;
    command.ActionType = static_cast<std::uint8_t>(type);
    return command;
}

// The payload of the first object of the page that has one of type P.
template <class P> const P* FirstPayload(const TAutoObjects& objects) {
    for (const auto& object : objects)
        if (const auto* payload = dynamic_cast<const P*>(object->Payload.get())) return payload;
    return nullptr;
}

using DialogMaker = std::function<std::unique_ptr<QDialog>(const TActionContext&,
                                                           const TAutoObjects&, const TSettings&)>;

template <class Form> DialogMaker SettingsDialog(int type) {
    return [type](const TActionContext& context, const TAutoObjects& objects, const TSettings&) {
        return std::make_unique<Form>(nullptr, context, FirstAction(objects, type).ActionFile);
    };
}

// The project options on the tab `tab`.
DialogMaker OptionsDialog(int tab) {
    return [tab](const TActionContext& context, const TAutoObjects&, const TSettings& settings) {
        std::vector<std::string> subPages;
        for (const auto& page : context.Pages)
            if (page.Kind == pkSubPage) subPages.push_back(page.Name);
        auto form = std::make_unique<TSettingsForm>(nullptr, settings, std::move(subPages), context,
                                                    TSettingsForm::TServices{});
        form->Tabs()->setCurrentIndex(tab);
        return form;
    };
}

const std::map<std::string, DialogMaker>& Dialogs() {
    static const std::map<std::string, DialogMaker> dialogs{
        {"action",
         [](const TActionContext& context, const TAutoObjects& objects, const TSettings&) {
             const TCommand first = objects.empty() ? TCommand{} : objects.front()->Props;
             return std::make_unique<TActionEditorForm>(nullptr, context, first);
         }},
        {"group",
         [](const TActionContext& context, const TAutoObjects& objects, const TSettings&) {
             const auto text = FirstAction(objects, 28).ActionFile;
             return std::make_unique<TActionGroupForm>(nullptr, context,
                                                       ParseActionGroup(text).Commands);
         }},
        {"files", SettingsDialog<TActionFileForm>(1)},
        {"copy-file", SettingsDialog<TCopyFileActionForm>(17)},
        {"load-file", SettingsDialog<TObjectLoadFileActionForm>(26)},
        {"show-hide", SettingsDialog<TShowHideForm>(27)},
        {"slide-show",
         [](const TActionContext& context, const TAutoObjects& objects, const TSettings&) {
             const auto reading = ReadSlideShowSettings(FirstAction(objects, 15).ActionFile);
             return std::make_unique<TLaunchSlideShowActionForm>(nullptr, context,
                                                                 reading.Settings);
         }},
        {"install-software",
         [](const TActionContext& context, const TAutoObjects&, const TSettings& settings) {
             TInstallWare ware;
             ware.PromptText = kDefaultInstallPrompt;
             if (!settings.InstallWares.empty()) ware = *settings.InstallWares.front();
             return std::make_unique<TInstallWareForm>(nullptr, context, ware);
         }},
        {"options", OptionsDialog(0)},
        {"options-startup", OptionsDialog(1)},
        {"options-hint", OptionsDialog(2)},
        {"color",
         [](const TActionContext&, const TAutoObjects&, const TSettings& settings) {
             return std::make_unique<TSelectColorForm>(nullptr, settings.Hint->Color);
         }},
        {"image",
         [](const TActionContext&, const TAutoObjects& objects, const TSettings& settings) {
             const auto* image = FirstPayload<TImagePayload>(objects);
             return std::make_unique<TImageEditorForm>(
                 nullptr, image ? image->ImageNormal : settings.Hint->BackImage, false,
                 TImageFilePrompts{});
         }},
        {"text",
         [](const TActionContext&, const TAutoObjects& objects, const TSettings&) {
             const auto* box = FirstPayload<TTextBoxPayload>(objects);
             return std::make_unique<TTextEditorForm>(nullptr, box ? box->Text : std::string(),
                                                      TTextFilePrompts{});
         }},
        {"rich",
         [](const TActionContext&, const TAutoObjects& objects, const TSettings&) {
             auto form = std::make_unique<TRichEditorForm>(nullptr, TRichFilePrompts{});
             const auto* box = FirstPayload<TRichTextPayload>(objects);
             form->Open(box ? box->RichText : std::string());
             return form;
         }},
    };
    return dialogs;
}

std::string MainPageName(const TProjectIndex& project) {
    for (const auto& page : project.Pages)
        if (page->Kind == pkMainPage) return page->Name;
    return {};
}
} // namespace

int RunDialogCommand(const std::vector<std::string>& args) {
    const auto found = args.empty() ? Dialogs().end() : Dialogs().find(args[0]);
    if ((args.size() != 3 && args.size() != 4) || found == Dialogs().end()) {
        std::fprintf(stderr,
                     "usage: brelvane-tool dialog NAME BASEFOLDER [PAGE] OUT.png\n"
                     "NAME: action, group, files, copy-file, slide-show, load-file, "
                     "show-hide, install-software, options, options-startup, options-hint, color, "
                     "image, text, rich\n");
        return 2;
    }
    TProcessState state;
    SetProgramPaths(state, args[1] + "/autorun.exe");
    if (!StartPlayer(state)) return 1;
    TAutoRunForm page;
    const auto pageName = args.size() == 4 ? args[2] : MainPageName(state.Project);
    if (!page.BuildPage(pageName, TPageReadMode::Build)) {
        std::fprintf(stderr, "the page could not be built\n");
        return 1;
    }
    const auto context = ActionContextOf(pageName, page.Page().Objects, state.Project);
    auto dialog = found->second(context, page.Page().Objects, state.Project.Settings);
    dialog->setAttribute(Qt::WA_DontShowOnScreen);
    dialog->show();
    QApplication::processEvents();
    if (!dialog->grab().save(QString::fromStdString(args.back()), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", args.back().c_str());
        return 1;
    }
    return 0;
}

} // namespace brelvane
