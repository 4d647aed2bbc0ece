#include "objects/records/ImagePayload.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

void TImagePayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("AutoSize", AutoSize);
    visitor.Field("Center", Center);
    visitor.Field("Stretch", Stretch);
    visitor.Field("Transparent", Transparent);
    visitor.Field("PressedLook", PressedLook);
    visitor.Field("HoverLook", HoverLook);
    visitor.Field("DisplayedState", std::int64_t{DisplayedState});
    visitor.Field("ImageDown", ImageDown);
    visitor.Field("ImageNormal", ImageNormal);
    visitor.Field("ImageOver", ImageOver);
    VisitBounds(visitor);
}

bool WriteImagePayload(TStream& stream, const TImagePayload& payload) {
    return Transfer(kWriteImageError, [&] {
        WriteField(stream, payload.AutoSize);
        WriteField(stream, payload.Center);
        WriteField(stream, payload.Height);
        if (!WriteString(stream, payload.Hint)) return false;
        WriteField(stream, payload.Left);
        WriteField(stream, payload.Stretch);
        WriteField(stream, payload.Top);
        WriteField(stream, payload.Transparent);
        WriteField(stream, payload.Width);
        WriteField(stream, payload.PressedLook);
        WriteField(stream, payload.HoverLook);
        WriteField(stream, payload.DisplayedState);
        return WritePicture(stream, payload.ImageDown) &&
               WritePicture(stream, payload.ImageNormal) && WritePicture(stream, payload.ImageOver);
    });
}

bool ReadImagePayload(TStream& stream, TImagePayload& payload) {
    return Transfer(kReadImageError, [&] {
        ReadField(stream, payload.AutoSize);
        ReadField(stream, payload.Center);
        ReadField(stream, payload.Height);
        if (!ReadString(stream, payload.Hint)) return false;
        ReadField(stream, payload.Left);
        ReadField(stream, payload.Stretch);
        ReadField(stream, payload.Top);
        ReadField(stream, payload.Transparent);
        ReadField(stream, payload.Width);
        ReadField(stream, payload.PressedLook);
        ReadField(stream, payload.HoverLook);
        ReadField(stream, payload.DisplayedState);
        if (!ReadPicture(stream, payload.ImageDown) || !ReadPicture(stream, payload.ImageNormal) ||
            !ReadPicture(stream, payload.ImageOver))
            return false;
        payload.DisplayedState = isNone;
        return true;
    });
}

} // namespace brelvane
