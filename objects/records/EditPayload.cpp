#include "objects/records/EditPayload.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

void TEditPayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("Text", Text);
    visitor.Field("Font", Font);
    visitor.Field("Color", std::int64_t{Color});
    visitor.Field("BorderStyle", std::int64_t{BorderStyle});
    visitor.Field("AutoSize", AutoSize);
    visitor.Field("CharCase", std::int64_t{CharCase});
    visitor.Field("MaxLength", std::int64_t{MaxLength});
    visitor.Field("PasswordChar", std::int64_t{PasswordChar});
    visitor.Field("TabOrder", std::int64_t{StoredTabOrder});
    visitor.Field("CursorNumber", std::int64_t{CursorNumber});
    visitor.Field("AccurateText", AccurateText);
    visitor.Field("AllowRetry", std::int64_t{AllowRetry});
    visitor.Field("ErrorMessage", ErrorMessage);
    visitor.Field("ErrorCaption", ErrorCaption);
    visitor.Field("FailedMessage", FailedMessage);
    visitor.Field("FailedCaption", FailedCaption);
    VisitBounds(visitor);
}

bool WriteEditPayload(TStream& stream, const TEditPayload& payload) {
    return Transfer(kWriteEditError, [&] {
        WriteField(stream, payload.AutoSize);
        WriteField(stream, payload.BorderStyle);
        WriteField(stream, payload.CharCase);
        WriteField(stream, payload.Color);
        WriteField(stream, payload.MaxLength);
        WriteField(stream, payload.PasswordChar);
        WriteField(stream, payload.StoredTabOrder);
        WriteField(stream, payload.CursorNumber);
        if (!WriteString(stream, payload.Hint) || !WriteFont(stream, payload.Font)) return false;
        WriteField(stream, payload.AllowRetry);
        for (const auto* text :
             {&payload.ErrorMessage, &payload.ErrorCaption, &payload.FailedMessage,
              &payload.FailedCaption, &payload.AccurateText, &payload.Text})
            if (!WriteString(stream, *text)) return false;
        WritePayloadBounds(stream, payload);
        return true;
    });
}

bool ReadEditPayload(TStream& stream, TEditPayload& payload) {
    return Transfer(kReadEditError, [&] {
        ReadField(stream, payload.AutoSize);
        ReadField(stream, payload.BorderStyle);
        ReadField(stream, payload.CharCase);
        ReadField(stream, payload.Color);
        ReadField(stream, payload.MaxLength);
        ReadField(stream, payload.PasswordChar);
        ReadField(stream, payload.StoredTabOrder);
        ReadField(stream, payload.CursorNumber);
        if (!ReadString(stream, payload.Hint) || !ReadFont(stream, payload.Font)) return false;
        ReadField(stream, payload.AllowRetry);
        for (auto* text : {&payload.ErrorMessage, &payload.ErrorCaption, &payload.FailedMessage,
                           &payload.FailedCaption, &payload.AccurateText, &payload.Text})
            if (!ReadString(stream, *text)) return false;
        ReadPayloadBounds(stream, payload);
        return true;
    });
}

} // namespace brelvane
