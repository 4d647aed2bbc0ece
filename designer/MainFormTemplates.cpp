#include "designer/EditForm.h"
#include "designer/GroupList.h"
#include "designer/MainForm.h"
#include "designer/PageHost.h"
#include "designer/PropertyEditor.h"
#include "designer/SelectPageForm.h"
#include "designer/TemplatePane.h"
#include "player/AutoRunForm.h"
#include "project/PageStream.h"

namespace brelvane {

bool TMainForm::ReadPageTemplate(const std::string& path, TPageRecord& page) const {
    if (!LoadPageFile(path, page, TPageReadMode::Build, {})) return false;
    for (auto& object : page.Objects)
        if (object->Props.Name.empty())
            object->Props.Name = NewObjectName(page.Objects, object->Kind);
    return true;
}

std::string TMainForm::PickPageTemplate(std::uint8_t kind) {
    return brelvane::PickPageTemplate(this, Library(), kind);
}

void TMainForm::GetPage1Click() {
    auto* model = host_->Model();
    auto* entry = project_.Entry(project_.CurrentPageIndex);
    if (!model || !entry || project_.IsLocked(entry)) return;
    const auto path = PickPageTemplate(model->Page().PageKind);
    if (path.empty()) return;
    TPageRecord page;
    if (!ReadPageTemplate(path, page)) return;
    const auto& current = model->Page();
    page.PageKind = current.PageKind;
    page.PageName = current.PageName;
    page.Caption = current.Caption;
    CenterPage(page);
    RecordUndoStep("Load From Template");
    // The page switch reads the working copy back into the model.
    if (!SavePageFile(WorkingCopy(entry->Name), page)) return;
    SetModified(true);
    project_.CurrentPageIndex = -1;
    ReleasePage();
    PageControl1Change();
}

void TMainForm::PageTemplate1Click() {
    ManagePageTemplates(this, Library(), [this](const std::string& path) {
        auto* model = host_->Model();
        return model && SavePageFile(path, model->Page());
    });
}

void TMainForm::RebuildGroupList() {
    scrollBox5_->RebuildGroupList();
}

void TMainForm::DesignViewChanged() {
    // The page's background picture does not depend on which controls are
    // shown, so only the surface is painted anew.
    editForm_->SyncSurface();
    propertyEditor_->RefreshSelector();
    Edit1Click();
}

void TMainForm::SetVisibleInGroup(bool value) {
    auto* model = host_->Model();
    if (!model || !ChooseGroups) return;
    const auto chosen = ChooseGroups(this,
                                     value ? "Select Group to Set Visible Properties of Objects "
                                             "in it True"
                                           : "Select Group to Set Visible Properties of Objects "
                                             "in it False",
                                     GroupNamesOf(model->Page().Objects));
    if (!chosen) return;
    auto& objects = model->Page().Objects;
    // Nothing to undo and no change to save when every object has the value.
    if (!VisibleDiffersInGroups(objects, *chosen, value)) return;
    RecordUndoStep(value ? "Set Visible True In Group" : "Set Visible False In Group");
    SetVisibleInGroups(objects, *chosen, value);
    SetModified(true);
    propertyEditor_->FillProperties();
}

} // namespace brelvane
