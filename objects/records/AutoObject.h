#pragma once

#include "objects/records/Command.h"
#include "objects/records/MenuItem.h"
#include "objects/records/Payload.h"
#include "storage/PictureBlock.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brelvane {

enum : int { kWriteObjectError = 1081, kReadObjectError = 1082 };

struct TAutoObject;

// What the shared object logic asks of a live control. The control layer
// implements it; without a GUI an object has no control.
class TObjectControl {
public:
    virtual ~TObjectControl() = default;
    virtual void SetShown(bool visible) = 0;
    virtual void SetActive(bool enabled) = 0;
    // Repaint at once, after a change of the object's record.
    virtual void Refresh() = 0;

    // The record this control shows.
    TAutoObject* Object = nullptr;
};

// One object on a page. The record also keeps the object's graphic comment
// and pop-up menu, so that both exist without a control.
struct TAutoObject {
    static constexpr TRecordCodes Codes{kWriteObjectError, kReadObjectError};
    std::uint8_t Kind = 0;
    TCommand Props;
    bool Selected = false;
    std::unique_ptr<TPayload> Payload;
    TPicture GraphicComment;
    std::vector<TMenuItem> PopupMenu;
    std::unique_ptr<TObjectControl> Control;

    // Binds `control` to this record (back reference included).
    void SetControl(std::unique_ptr<TObjectControl> control);
};

// A page's objects in creation order, which is also stacking and stream order.
using TAutoObjects = std::vector<std::unique_ptr<TAutoObject>>;

// The kind name followed by the smallest number from 1 up that no object of
// the page has as its exact name.
std::string NewObjectName(const TAutoObjects& objects, std::uint8_t kind);

// The designer's add operation, record part: clears every selection, appends
// an object with default properties, the next free name, the kind's default
// caption and size at (left, top). Null when the kind has no payload codec.
TAutoObject* AddObjectRecord(TAutoObjects& objects, std::uint8_t kind, std::int32_t left,
                             std::int32_t top);

// The record behind a control, or null.
TAutoObject* FindObjectOf(const TObjectControl* control);
TCommand* PropsOf(const TObjectControl* control);

void ApplyVisibility(TAutoObject& object);
void ApplyEnabled(TAutoObject& object);

} // namespace brelvane
