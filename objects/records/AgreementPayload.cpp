#include "objects/records/AgreementPayload.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

namespace {
// Both kinds share one layout and differ in their error codes.
bool WriteAgreement(TStream& stream, const TAgreementPayload& payload, int code) {
    return Transfer(code, [&] {
        WriteField(stream, payload.Alignment);
        if (!WriteString(stream, payload.Caption)) return false;
        WriteField(stream, payload.Checked);
        WriteField(stream, payload.Color);
        WriteField(stream, payload.CursorNumber);
        if (!WriteString(stream, payload.Hint) || !WriteFont(stream, payload.Font)) return false;
        WriteField(stream, payload.StoredTabOrder);
        WriteField(stream, payload.WordWrap);
        WriteField(stream, payload.ReservedValue);
        for (const auto* text : {&payload.ErrorMessage, &payload.ErrorCaption,
                                 &payload.ReservedText1, &payload.ReservedText2})
            if (!WriteString(stream, *text)) return false;
        WriteField(stream, payload.NeedCheck);
        WritePayloadBounds(stream, payload);
        return true;
    });
}

bool ReadAgreement(TStream& stream, TAgreementPayload& payload, int code) {
    return Transfer(code, [&] {
        ReadField(stream, payload.Alignment);
        if (!ReadString(stream, payload.Caption)) return false;
        ReadField(stream, payload.Checked);
        ReadField(stream, payload.Color);
        ReadField(stream, payload.CursorNumber);
        if (!ReadString(stream, payload.Hint) || !ReadFont(stream, payload.Font)) return false;
        ReadField(stream, payload.StoredTabOrder);
        ReadField(stream, payload.WordWrap);
        ReadField(stream, payload.ReservedValue);
        for (auto* text : {&payload.ErrorMessage, &payload.ErrorCaption, &payload.ReservedText1,
                           &payload.ReservedText2})
            if (!ReadString(stream, *text)) return false;
        ReadField(stream, payload.NeedCheck);
        ReadPayloadBounds(stream, payload);
        return true;
    });
}
} // namespace

TAgreementPayload::TAgreementPayload(std::string caption, std::string errorMessage)
    : Caption(std::move(caption)), ErrorMessage(std::move(errorMessage)) {}

void TAgreementPayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("Alignment", std::int64_t{Alignment});
    visitor.Field("Caption", Caption);
    visitor.Field("Checked", Checked);
    visitor.Field("Color", std::int64_t{Color});
    visitor.Field("CursorNumber", std::int64_t{CursorNumber});
    visitor.Field("Font", Font);
    visitor.Field("TabOrder", std::int64_t{StoredTabOrder});
    visitor.Field("WordWrap", WordWrap);
    visitor.Field("NeedCheck", NeedCheck);
    visitor.Field("ErrorMessage", ErrorMessage);
    visitor.Field("ErrorCaption", ErrorCaption);
    visitor.Field("ReservedValue", std::int64_t{ReservedValue});
    visitor.Field("ReservedText1", ReservedText1);
    visitor.Field("ReservedText2", ReservedText2);
    VisitBounds(visitor);
}

TRadioButtonPayload::TRadioButtonPayload()
    : TAgreementPayload("New RadioButton", "Please select the radio button.") {}

std::unique_ptr<TPayload> TRadioButtonPayload::Clone() const {
    return std::make_unique<TRadioButtonPayload>(*this);
}

TCheckBoxPayload::TCheckBoxPayload()
    : TAgreementPayload("New CheckBox", "Please select the check box.") {}

std::unique_ptr<TPayload> TCheckBoxPayload::Clone() const {
    return std::make_unique<TCheckBoxPayload>(*this);
}

bool WriteRadioButtonPayload(TStream& stream, const TRadioButtonPayload& payload) {
    return WriteAgreement(stream, payload, kWriteRadioButtonError);
}

bool ReadRadioButtonPayload(TStream& stream, TRadioButtonPayload& payload) {
    return ReadAgreement(stream, payload, kReadRadioButtonError);
}

bool WriteCheckBoxPayload(TStream& stream, const TCheckBoxPayload& payload) {
    return WriteAgreement(stream, payload, kWriteCheckBoxError);
}

bool ReadCheckBoxPayload(TStream& stream, TCheckBoxPayload& payload) {
    return ReadAgreement(stream, payload, kReadCheckBoxError);
}

} // namespace brelvane
