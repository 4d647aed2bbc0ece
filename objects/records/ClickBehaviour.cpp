#include "objects/records/ClickBehaviour.h"

#include "objects/records/ButtonPayload.h"
#include "objects/records/CheckGroups.h"
#include "storage/ProjectIndex.h"

namespace brelvane {

void RunPageClick(const TPageClickState& page, TAutoObjects& objects, TAutoObject* object,
                  TObjectHost& host) {
    if ((page.PageKind == pkSplashScreen || page.PageKind == pkExitForm) && page.ClickContinue) {
        host.ClosePage();
        return;
    }
    if (!object) {
        if (page.TestRun) host.ClosePage();
        return;
    }
    const std::uint8_t duty = object->Payload ? object->Payload->ButtonDuty() : 0;
    switch (duty) {
    case btOK:
        host.SetResult(true);
        host.ClosePage();
        return;
    case btCancel:
        host.SetResult(false);
        host.ClosePage();
        return;
    case btSubmit:
        host.ValidateForm();
        return;
    default:
        break;
    }
    ApplyCheckGroupClick(objects, *object);
    if (!object->Props.ClickSound.empty()) host.PlayEventSound(object->Props.ClickSound);
    if (const auto* command = host.ClickCommandOf(*object)) host.ExecuteAction(*command);
}

void RunMouseDown(TAutoObject& object, TObjectHost& host) {
    if (!object.Props.MouseDownSound.empty()) host.PlayEventSound(object.Props.MouseDownSound);
}

void RunMouseUp(TAutoObject& object, TObjectHost& host) {
    if (!object.Props.MouseUpSound.empty()) host.PlayEventSound(object.Props.MouseUpSound);
}

} // namespace brelvane
