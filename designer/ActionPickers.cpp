#include "designer/ActionPickers.h"

#include "designer/ProjectPickers.h"

namespace brelvane {

namespace {
const char* FilterFor(TFilePurpose purpose) {
    switch (purpose) {
    case TFilePurpose::Picture:
        return kPictureFilter;
    case TFilePurpose::Installer:
        return kProgramFilter;
    default:
        return kAllFilesFilter;
    }
}
} // namespace

void UseProjectPickers(TActionContext& context, TProjectPickers& pickers) {
    context.ChooseFileInProject = [&pickers](std::string& path, TFilePurpose purpose) {
        return pickers.ChooseFileInProject(path, FilterFor(purpose));
    };
    context.ChooseFolderInProject = [&pickers](std::string& folder) {
        return pickers.ChooseFolderInProject(folder);
    };
}

} // namespace brelvane
