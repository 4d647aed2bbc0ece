#pragma once

#include "objects/records/Payload.h"
#include "storage/FontBlock.h"

namespace brelvane {

enum : int {
    kWriteCheckBoxError = 1013,
    kReadCheckBoxError = 1014,
    kWriteRadioButtonError = 1015,
    kReadRadioButtonError = 1016,
};

// Side of the caption.
enum TOptionAlignment : std::uint8_t { oaLeft, oaRight };

// The fields radio buttons and check boxes share: an option that may have to
// be selected for the form to be submitted. The file it opens then is the
// object's SelectForOpenRun.
struct TAgreementPayload : TPayload {
    std::string* CaptionText() override { return &Caption; }
    std::optional<std::int32_t> TabOrder() const override { return StoredTabOrder; }
    void SetTabOrder(std::int32_t order) override { StoredTabOrder = order; }

    std::uint8_t Alignment = oaRight;
    std::string Caption;
    // The initial state, kept up to date by the running control.
    bool Checked = false;
    std::int32_t Color = clBtnFace;
    std::int16_t CursorNumber = 0;
    TFont Font;
    // The 16-bit keyboard-order number, stored sign-extended and kept as read.
    std::int32_t StoredTabOrder = 0;
    bool WordWrap = false;
    bool NeedCheck = true;
    std::string ErrorMessage;
    std::string ErrorCaption = "Invalid";
    // Stored only, written back as read.
    std::int32_t ReservedValue = 0;
    std::string ReservedText1;
    std::string ReservedText2;

    void VisitFields(TFieldVisitor& visitor) const override;

protected:
    TAgreementPayload(std::string caption, std::string errorMessage);
};

// Kind 15.
struct TRadioButtonPayload final : TAgreementPayload {
    static constexpr TRecordCodes Codes{kWriteRadioButtonError, kReadRadioButtonError};
    TRadioButtonPayload();
    std::unique_ptr<TPayload> Clone() const override;
};

// Kind 16.
struct TCheckBoxPayload final : TAgreementPayload {
    static constexpr TRecordCodes Codes{kWriteCheckBoxError, kReadCheckBoxError};
    TCheckBoxPayload();
    std::unique_ptr<TPayload> Clone() const override;
};

// Both kinds share one layout and differ in their error codes.
template <class Archive> bool Fields(Archive& ar, TAgreementPayload& payload) {
    return ar("Alignment", payload.Alignment) && ar("Caption", payload.Caption) &&
           ar("Checked", payload.Checked) && ar("Color", payload.Color) &&
           ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && ar("TabOrder", payload.StoredTabOrder) &&
           ar("WordWrap", payload.WordWrap) && ar("ReservedValue", payload.ReservedValue) &&
           ar("ErrorMessage", payload.ErrorMessage) && ar("ErrorCaption", payload.ErrorCaption) &&
           ar("ReservedText1", payload.ReservedText1) &&
           ar("ReservedText2", payload.ReservedText2) && ar("NeedCheck", payload.NeedCheck) &&
           Bounds(ar, payload);
}

inline constexpr auto WriteRadioButtonPayload = &WriteRecord<TRadioButtonPayload>;
inline constexpr auto ReadRadioButtonPayload = &ReadRecord<TRadioButtonPayload>;
inline constexpr auto WriteCheckBoxPayload = &WriteRecord<TCheckBoxPayload>;
inline constexpr auto ReadCheckBoxPayload = &ReadRecord<TCheckBoxPayload>;

} // namespace brelvane
