#include "dialogs/ActionContext.h"

namespace brelvane {

TActionContext ActionContextOf(const std::string& pageName, const TAutoObjects& objects,
                               const TProjectIndex& project) {
    TActionContext context;
    context.PageName = pageName;
    for (const auto& object : objects)
        context.Objects.push_back({object->Kind, object->Props.Name, object->Props.GroupName});
    for (const auto& page : project.Pages)
        context.Pages.push_back({page->Name, page->Kind});
    return context;
}

} // namespace brelvane
