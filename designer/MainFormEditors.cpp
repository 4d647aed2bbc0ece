#include "designer/ActionPickers.h"
#include "designer/FontForm.h"
#include "designer/MainForm.h"
#include "designer/PageHost.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/SelectColorForm.h"
#include "dialogs/SettingsForm.h"
#include "player/AutoRunForm.h"
#include "player/HintStyle.h"
#include "project/DiscRootFiles.h"
#include "storage/FilePaths.h"
#include "storage/PictureFiles.h"
#include "storage/SaveFile.h"
#include "storage/Transfer.h"

#include <fstream>
#include <iterator>

namespace brelvane {

void TMainForm::ProjectOptions1Click() {
    if (project_.BaseFolder.empty()) return;
    std::vector<std::string> subPages;
    for (const auto* page : PagesOfKind(project_.Index, pkSubPage))
        subPages.push_back(page->Name);
    const auto* entry = project_.Entry(project_.CurrentPageIndex);
    static const TAutoObjects kNoObjects;
    auto* model = host_->Model();
    TActionContext context =
        ActionContextOf(entry ? entry->Name : std::string(),
                        model ? model->Page().Objects : kNoObjects, project_.Index);
    UseProjectPickers(context, *pickers_);
    TSettingsForm::TServices services{
        [](QWidget* owner, TFont& font) { return ChooseFont(owner, font); },
        [](QWidget* owner, TPicture& picture) { return EditImage(owner, picture); },
        [](const THintSettings* hint) { InstallHintStyle(hint); }};
    if (EditProjectOptions(this, project_.Index.Settings, std::move(subPages), context,
                           std::move(services)))
        SetModified(true);
}

void TMainForm::BackGroundColor1Click() {
    if (!SelectColor(this, settings_.BackColor)) return;
    WriteSettings();
    editForm_->SyncSurface();
    RepaintShadowPreview();
    editForm_->RepaintSurface();
}

void TMainForm::CdIcon1Click() {
    if (project_.BaseFolder.empty()) return;
    const auto path = ResolvePath(project_.BaseFolder + "/autorun.ico");
    TPicture icon;
    if (std::ifstream in(path, std::ios::binary); in)
        icon = PictureOfFileBytes({std::istreambuf_iterator<char>(in), {}});
    if (!EditImage(this, icon, true) || icon.Empty()) return;
    // The icon is no part of the project: it is written at once.
    FileTransfer(kCopyDiscIconError, path, [&] {
        return SaveFileAtomically(path, [&](TStream& stream) {
            stream.Write(icon.Data.data(), icon.Data.size());
            return true;
        });
    });
}

} // namespace brelvane
