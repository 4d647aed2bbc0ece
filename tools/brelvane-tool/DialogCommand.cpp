#include "Commands.h"
#include "app/StartUp.h"
#include "dialogs/ActionEditorForm.h"
#include "dialogs/ActionFileForm.h"
#include "dialogs/ActionGroupForm.h"
#include "dialogs/ColumnPanelForm.h"
#include "dialogs/CopyFileActionForm.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/InstallWareForm.h"
#include "dialogs/LaunchSlideShowActionForm.h"
#include "dialogs/ListItemsForm.h"
#include "dialogs/MenuEditorForm.h"
#include "dialogs/ObjectLoadFileActionForm.h"
#include "dialogs/RichEditorForm.h"
#include "dialogs/SelectColorForm.h"
#include "dialogs/SelectGroupForm.h"
#include "dialogs/SettingsForm.h"
#include "dialogs/ShowHideForm.h"
#include "dialogs/TextEditorForm.h"
#include "dialogs/ToolButtonsForm.h"
#include "dialogs/ViewItemsForm.h"
#include "objects/records/ActionArguments.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ItemListPayloads.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/TextBoxPayload.h"
#include "player/AutoRunForm.h"

#include <QApplication>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
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

// The payload of the page's first object of `kind`, or null.
template <class P> const P* FirstPayload(const TAutoObjects& objects, std::uint8_t kind) {
    for (const auto& object : objects)
        if (object->Kind == kind) return static_cast<const P*>(object->Payload.get());
    return nullptr;
}

// The page's first object with a menu of its own, else the page's menu bar.
std::vector<TMenuItem> FirstMenu(const TPageRecord& page) {
    if (!page.MenuBar.empty()) return page.MenuBar;
    for (const auto& object : page.Objects)
        if (!object->PopupMenu.empty()) return object->PopupMenu;
    return page.PopupMenu;
}

std::vector<TColumnRow> ColumnRows(const TListViewPayload* view) {
    std::vector<TColumnRow> rows;
    if (view)
        for (const auto& column : view->Columns)
            rows.push_back({column.Caption, column.Alignment, column.Width});
    return rows;
}

std::vector<TColumnRow> PanelRows(const TPageRecord& page) {
    std::vector<TColumnRow> rows;
    for (const auto& panel : page.StatusPanels)
        rows.push_back({panel.Text, panel.Alignment, panel.Width});
    return rows;
}

using DialogMaker = std::function<std::unique_ptr<QDialog>(const TActionContext&,
                                                           const TPageRecord&, const TSettings&)>;

template <class Form> DialogMaker SettingsDialog(int type) {
    return [type](const TActionContext& context, const TPageRecord& page, const TSettings&) {
        return std::make_unique<Form>(nullptr, context, FirstAction(page.Objects, type).ActionFile);
    };
}

// The project options on the tab `tab`.
DialogMaker OptionsDialog(int tab) {
    return [tab](const TActionContext& context, const TPageRecord&, const TSettings& settings) {
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
         [](const TActionContext& context, const TPageRecord& page, const TSettings&) {
             const auto& objects = page.Objects;
             const TCommand first = objects.empty() ? TCommand{} : objects.front()->Props;
             return std::make_unique<TActionEditorForm>(nullptr, context, first);
         }},
        {"group",
         [](const TActionContext& context, const TPageRecord& page, const TSettings&) {
             const auto text = FirstAction(page.Objects, 28).ActionFile;
             return std::make_unique<TActionGroupForm>(nullptr, context,
                                                       ParseActionGroup(text).Commands);
         }},
        {"files", SettingsDialog<TActionFileForm>(1)},
        {"copy-file", SettingsDialog<TCopyFileActionForm>(17)},
        {"load-file", SettingsDialog<TObjectLoadFileActionForm>(26)},
        {"show-hide", SettingsDialog<TShowHideForm>(27)},
        {"slide-show",
         [](const TActionContext& context, const TPageRecord& page, const TSettings&) {
             const auto reading = ReadSlideShowSettings(FirstAction(page.Objects, 15).ActionFile);
             return std::make_unique<TLaunchSlideShowActionForm>(nullptr, context,
                                                                 reading.Settings);
         }},
        {"install-software",
         [](const TActionContext& context, const TPageRecord&, const TSettings& settings) {
             TInstallWare ware;
             ware.PromptText = kDefaultInstallPrompt;
             if (!settings.InstallWares.empty()) ware = *settings.InstallWares.front();
             return std::make_unique<TInstallWareForm>(nullptr, context, ware);
         }},
        {"options", OptionsDialog(0)},
        {"options-startup", OptionsDialog(1)},
        {"options-hint", OptionsDialog(2)},
        {"color",
         [](const TActionContext&, const TPageRecord&, const TSettings& settings) {
             return std::make_unique<TSelectColorForm>(nullptr, settings.Hint->Color);
         }},
        {"image",
         [](const TActionContext&, const TPageRecord& page, const TSettings& settings) {
             const auto* image = FirstPayload<TImagePayload>(page.Objects, okImage);
             return std::make_unique<TImageEditorForm>(
                 nullptr, image ? image->ImageNormal : settings.Hint->BackImage, false,
                 TImageFilePrompts{});
         }},
        {"text",
         [](const TActionContext&, const TPageRecord& page, const TSettings&) {
             const auto* box = FirstPayload<TTextBoxPayload>(page.Objects, okTextBox);
             return std::make_unique<TTextEditorForm>(nullptr, box ? box->Text : std::string(),
                                                      TTextFilePrompts{});
         }},
        {"rich",
         [](const TActionContext&, const TPageRecord& page, const TSettings&) {
             auto form = std::make_unique<TRichEditorForm>(nullptr, TRichFilePrompts{});
             const auto* box = FirstPayload<TRichTextPayload>(page.Objects, okRichText);
             form->Open(box ? box->RichText : std::string());
             return form;
         }},
        {"menu",
         [](const TActionContext& context, const TPageRecord& page, const TSettings&) {
             std::vector<TMenuEditorForm::TLoaded> nodes;
             LoadMenuNodes(FirstMenu(page), nodes);
             auto form = std::make_unique<TMenuEditorForm>(nullptr, context, std::move(nodes));
             form->Tree()->setCurrentItem(form->Tree()->topLevelItem(0));
             return form;
         }},
        {"list-items",
         [](const TActionContext& context, const TPageRecord& page, const TSettings&) {
             TListBoxPayload list;
             if (const auto* found = FirstPayload<TListBoxPayload>(page.Objects, okListBox))
                 list = *found;
             auto form =
                 std::make_unique<TListItemsForm>(nullptr, context, list, list.Font, list.Color);
             form->Preview()->setCurrentRow(0);
             return form;
         }},
        {"view-items",
         [](const TActionContext& context, const TPageRecord& page, const TSettings&) {
             TTreeViewPayload tree;
             if (const auto* found = FirstPayload<TTreeViewPayload>(page.Objects, okTreeView))
                 tree = *found;
             TViewItemsForm::TAssociated associated;
             associated.Exists = !tree.AssociatedListView.empty();
             auto form = std::make_unique<TViewItemsForm>(
                 nullptr, context, tree.Nodes, QSize(tree.IconWidth, tree.IconHeight), associated);
             form->View()->setCurrentItem(form->View()->topLevelItem(0));
             return form;
         }},
        {"columns",
         [](const TActionContext&, const TPageRecord& page, const TSettings&) {
             auto form = std::make_unique<TColumnPanelForm>(
                 nullptr, TColumnPanelForm::TMode::Columns,
                 ColumnRows(FirstPayload<TListViewPayload>(page.Objects, okListView)));
             form->List()->setCurrentItem(form->List()->topLevelItem(0));
             return form;
         }},
        {"panels",
         [](const TActionContext&, const TPageRecord& page, const TSettings&) {
             auto form = std::make_unique<TColumnPanelForm>(
                 nullptr, TColumnPanelForm::TMode::Panels, PanelRows(page));
             form->List()->setCurrentItem(form->List()->topLevelItem(0));
             return form;
         }},
        {"tool-buttons",
         [](const TActionContext& context, const TPageRecord& page, const TSettings&) {
             auto form = std::make_unique<TToolButtonsForm>(
                 nullptr, context, page.ToolButtons,
                 QSize(page.ToolBarImageWidth, page.ToolBarImageHeight));
             form->List()->setCurrentRow(0);
             return form;
         }},
        {"groups",
         [](const TActionContext&, const TPageRecord& page, const TSettings&) {
             return std::make_unique<TSelectGroupForm>(
                 nullptr, "Select Group to Set Visible Properties of Objects in it True",
                 GroupNamesOf(page.Objects));
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
                     "image, text, rich, menu, list-items, view-items, columns, panels, "
                     "tool-buttons, groups\n");
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
    auto dialog = found->second(context, page.Page(), state.Project.Settings);
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
