#include "objects/records/ButtonPayload.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

void TButtonPayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("CursorNumber", std::int64_t{CursorNumber});
    visitor.Field("Caption", Caption);
    visitor.Field("Font", Font);
    visitor.Field("ButtonType", std::int64_t{ButtonType});
    VisitBounds(visitor);
}

void TImageButtonPayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("Caption", Caption);
    visitor.Field("MouseDownImage", MouseDownImage);
    visitor.Field("NormalImage", NormalImage);
    visitor.Field("MouseOverImage", MouseOverImage);
    visitor.Field("MouseDownFont", MouseDownFont);
    visitor.Field("NormalFont", NormalFont);
    visitor.Field("MouseOverFont", MouseOverFont);
    visitor.Field("ButtonStyle", std::int64_t{ButtonStyle});
    visitor.Field("Margin", std::int64_t{Margin});
    visitor.Field("ImageLayout", std::int64_t{ImageLayout});
    visitor.Field("Space", std::int64_t{Space});
    visitor.Field("MouseDownSlide", MouseDownSlide);
    visitor.Field("ButtonType", std::int64_t{ButtonType});
    VisitBounds(visitor);
}

bool WriteButtonPayload(TStream& stream, const TButtonPayload& payload) {
    return Transfer(kWriteButtonError, [&] {
        WriteField(stream, payload.CursorNumber);
        if (!WriteString(stream, payload.Caption) || !WriteString(stream, payload.Hint) ||
            !WriteFont(stream, payload.Font))
            return false;
        WriteField(stream, payload.ButtonType);
        WritePayloadBounds(stream, payload);
        return true;
    });
}

bool ReadButtonPayload(TStream& stream, TButtonPayload& payload) {
    return Transfer(kReadButtonError, [&] {
        ReadField(stream, payload.CursorNumber);
        if (!ReadString(stream, payload.Caption) || !ReadString(stream, payload.Hint) ||
            !ReadFont(stream, payload.Font))
            return false;
        ReadField(stream, payload.ButtonType);
        ReadPayloadBounds(stream, payload);
        return true;
    });
}

bool WriteImageButtonPayload(TStream& stream, const TImageButtonPayload& payload) {
    return Transfer(kWriteImageButtonError, [&] {
        if (!WriteString(stream, payload.Caption) ||
            !WritePicture(stream, payload.MouseDownImage) ||
            !WritePicture(stream, payload.NormalImage) ||
            !WritePicture(stream, payload.MouseOverImage) ||
            !WriteFont(stream, payload.MouseDownFont) || !WriteFont(stream, payload.NormalFont) ||
            !WriteFont(stream, payload.MouseOverFont) || !WriteString(stream, payload.Hint))
            return false;
        WriteField(stream, payload.ButtonStyle);
        WriteField(stream, payload.Margin);
        WriteField(stream, payload.ImageLayout);
        WriteField(stream, payload.Space);
        WriteField(stream, payload.MouseDownSlide);
        WriteField(stream, payload.ButtonType);
        WritePayloadBounds(stream, payload);
        return true;
    });
}

bool ReadImageButtonPayload(TStream& stream, TImageButtonPayload& payload) {
    return Transfer(kReadImageButtonError, [&] {
        if (!ReadString(stream, payload.Caption) || !ReadPicture(stream, payload.MouseDownImage) ||
            !ReadPicture(stream, payload.NormalImage) ||
            !ReadPicture(stream, payload.MouseOverImage) ||
            !ReadFont(stream, payload.MouseDownFont) || !ReadFont(stream, payload.NormalFont) ||
            !ReadFont(stream, payload.MouseOverFont) || !ReadString(stream, payload.Hint))
            return false;
        ReadField(stream, payload.ButtonStyle);
        ReadField(stream, payload.Margin);
        ReadField(stream, payload.ImageLayout);
        ReadField(stream, payload.Space);
        ReadField(stream, payload.MouseDownSlide);
        ReadField(stream, payload.ButtonType);
        ReadPayloadBounds(stream, payload);
        return true;
    });
}

} // namespace brelvane
