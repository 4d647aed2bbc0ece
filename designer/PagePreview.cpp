#include "designer/PagePreview.h"

#include "player/AutoRunForm.h"
#include "storage/ProjectIndex.h"

namespace brelvane {

bool ShowPagePreview(TStream& stream) {
    TAutoRunForm preview;
    preview.TestRun = true;
    if (!preview.BuildFromStream(stream, TPageReadMode::Build)) return false;
    if (preview.Page().PageKind == pkScreenBackground) {
        preview.setWindowFlag(Qt::FramelessWindowHint);
        preview.setWindowState(Qt::WindowMaximized);
    }
    preview.ShowModal();
    return true;
}

} // namespace brelvane
