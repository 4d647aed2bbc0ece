#include "designer/EditForm.h"
#include "designer/PageHost.h"
#include "designer/SurfaceClipboard.h"
#include "designer/SurfaceObjects.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "player/AutoRunForm.h"
#include "project/ClipboardObjects.h"
#include "storage/ErrorReport.h"

namespace brelvane {

namespace {
// Every further paste of the same copy lands this much further right and down.
constexpr int kPasteStep = 8;

// A template group whose caption, after its first two characters, is this
// sets the page's background instead of adding an image.
bool IsBackgroundGroup(const std::string& group) {
    return group.size() >= 2 && group.substr(2) == "Background";
}

void Deselect(TAutoObjects& objects) {
    for (auto& object : objects)
        object->Selected = false;
}
} // namespace

bool TEditForm::Copy() {
    if (!owner_.CommitPendingEdit()) return false;
    const auto selection = Selection();
    if (selection.empty()) return false;
    const auto data =
        WriteClipboardObjects(std::vector<const TAutoObject*>(selection.begin(), selection.end()));
    if (!data) return false; // nothing goes onto the clipboard
    PutObjectsOnClipboard(*data);
    pasteOffset_ = owner_.Grid().X;
    return true;
}

void TEditForm::Paste(const QString& label) {
    auto* model = host_.Model();
    if (!model || !owner_.CommitPendingEdit()) return;
    const auto data = ObjectsOnClipboard();
    if (!data) return;
    auto read = ReadClipboardObjects(*data);
    if (read.Damaged) {
        ShowError("The objects on the clipboard are damaged; nothing was pasted.");
        return;
    }
    auto& objects = model->Page().Objects;
    if (!read.Objects.empty()) owner_.RecordUndoStep(label);
    Deselect(objects);
    // Pasted objects keep their names.
    for (auto& object : read.Objects) {
        object->Selected = true;
        if (auto* payload = object->Payload.get()) {
            payload->Left += pasteOffset_;
            payload->Top += pasteOffset_;
        }
        objects.push_back(std::move(object));
        model->AttachControl(*objects.back());
    }
    pasteOffset_ += kPasteStep;
    Restack(objects);
    AfterChange(!read.Objects.empty());
}

void TEditForm::Duplicate() {
    // Through the system clipboard, whose content it replaces; a copy that
    // failed pastes nothing, rather than what lay there before.
    if (SelectedCount() > 0 && Copy()) Paste("Duplicate");
}

bool TEditForm::DropTemplate(const std::string& path, const std::string& group, QPoint point) {
    auto* model = host_.Model();
    if (!model) return false;
    const QPoint at = SnapPoint(point, owner_.Grid());
    auto object = LoadObjectFile(path);
    if (!object) return false; // nothing is added
    auto& page = model->Page();
    owner_.RecordUndoStep("Drop Template");
    Deselect(page.Objects);
    if (auto* image = dynamic_cast<TImagePayload*>(object->Payload.get())) {
        image->AutoSize = false;
        image->Stretch = true;
        if (IsBackgroundGroup(group)) {
            page.BackImage = image->ImageNormal;
            model->RenderBackground();
            AfterChange(false);
            return true;
        }
    }
    // A fresh name in every case, free among the objects already there.
    object->Props.Name = NewObjectName(page.Objects, object->Kind);
    if (auto* payload = object->Payload.get()) {
        payload->Left = at.x();
        payload->Top = at.y();
    }
    page.Objects.push_back(std::move(object));
    model->AttachControl(*page.Objects.back());
    Restack(page.Objects);
    AfterChange(true);
    return true;
}

} // namespace brelvane
