// The document and clip objects of a page: what they do once the page is
// built and when it is shown.
#include "objects/controls/AuAvi.h"
#include "objects/controls/AuExplorer.h"
#include "objects/controls/AuFlash.h"
#include "player/ActionInterpreter.h"
#include "player/AutoRunForm.h"
#include "player/PlayerEnvironment.h"
#include "render/AnsiText.h"

namespace brelvane {

namespace {
template <class Control, class Each> void ForEachControl(TAutoObjects& objects, Each each) {
    for (auto& object : objects)
        if (auto* control = dynamic_cast<Control*>(object->Control.get())) each(*control);
}
} // namespace

void TAutoRunForm::StartDocumentObjects() {
    const auto& base = PlayerEnvironment().Source.BaseFolder;
    documentsShown_ = false;
    // Clips play as soon as they are read, in the designer too.
    ForEachControl<TAuAVI>(page_.Objects, [&](TAuAVI& clip) { clip.PlayClip(base); });
    if (!ReadContext().Running) return;
    ForEachControl<TAuFlash>(page_.Objects, [&](TAuFlash& flash) { flash.CreatePlayer(base); });
    ForEachControl<TAuExplorer>(page_.Objects, [this](TAuExplorer& view) {
        view.RestoreBounds();
        connect(&view, &TAuExplorer::LinkCommand, this,
                [this](TObjectWidget*, const QString& address) {
                    brelvane::ExecuteLinkCommand(*this, ToAnsi(address));
                });
    });
    // A page that replaced the content of a shown window is shown already.
    if (shown_) ShowDocumentObjects();
}

void TAutoRunForm::ShowDocumentObjects() {
    ForEachControl<TAuExplorerE>(page_.Objects, [](TAuExplorerE& view) { view.RestoreBounds(); });
    if (documentsShown_) return;
    documentsShown_ = true;
    const auto& base = PlayerEnvironment().Source.BaseFolder;
    ForEachControl<TAuExplorer>(page_.Objects,
                                [&](TAuExplorer& view) { view.NavigateLocation(base); });
}

} // namespace brelvane
