#include "designer/ItemEditorRows.h"

#include "designer/ActionPickers.h"
#include "designer/DesignerProject.h"
#include "project/PageRecord.h"

namespace brelvane {

TActionContext PageActionContext(const TRowContext& context) {
    const auto* page = context.Project.Entry(context.Project.CurrentPageIndex);
    TActionContext actions = ActionContextOf(page ? page->Name : std::string(),
                                             context.Page.Objects, context.Project.Index);
    UseProjectPickers(actions, context.Pickers);
    return actions;
}

} // namespace brelvane
