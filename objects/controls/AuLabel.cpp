#include "objects/controls/AuLabel.h"

#include "objects/records/LabelPayload.h"
#include "render/AnsiText.h"

namespace brelvane {

void ApplyLabelFields(TAALabel& label, const TLabelFields& fields) {
    label.SetAlign(fields.Align);
    label.SetAutoSize(fields.AutoSize);
    label.SetBorder(fields.Border);
    label.SetEffect(fields.Effect);
    label.SetFont(fields.Font);
    label.SetCaption(FromAnsi(fields.Caption));
}

TAuLabel::TAuLabel(TAutoObject& object, QWidget* parent) : TAALabel(object, parent) {
    Refresh();
}

void TAuLabel::Refresh() {
    if (const auto* payload = PayloadAs<TLabelPayload>()) {
        BeginUpdate();
        ApplyLabelFields(*this, *payload);
        ApplyGeometry();
        EndUpdate();
    }
    TAALabel::Refresh();
}

} // namespace brelvane
