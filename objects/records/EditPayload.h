#pragma once

#include "objects/records/Payload.h"
#include "storage/FontBlock.h"

namespace brelvane {

enum : int { kWriteEditError = 1017, kReadEditError = 1018 };

enum TCharCase : std::uint8_t { ccNormal, ccUpperCase, ccLowerCase };
enum TEditBorder : std::uint8_t { ebNone, ebSingle };

// Kind 14: the edit box that must receive an exact text.
struct TEditPayload : TPayloadOf<TEditPayload> {
    static constexpr TRecordCodes Codes{kWriteEditError, kReadEditError};
    std::optional<std::int32_t> TabOrder() const override { return StoredTabOrder; }
    void SetTabOrder(std::int32_t order) override { StoredTabOrder = order; }

    // What the user typed: the initial text, kept up to date by the running control.
    std::string Text;
    TFont Font;
    std::int32_t Color = clWindow;
    std::uint8_t BorderStyle = ebSingle;
    bool AutoSize = true;
    std::uint8_t CharCase = ccNormal;
    std::int32_t MaxLength = 0;
    // 0 shows the text; any other byte is shown instead of each character.
    std::uint8_t PasswordChar = 0;
    // The 16-bit keyboard-order number, stored sign-extended and kept as read.
    std::int32_t StoredTabOrder = 0;
    std::int16_t CursorNumber = 0;
    std::string AccurateText;
    // Wrong attempts allowed; 0 = unlimited.
    std::int32_t AllowRetry = 0;
    std::string ErrorMessage = "Invalid text, please retry.";
    std::string ErrorCaption = "Invalid";
    std::string FailedMessage = "Invalid text, exit.";
    std::string FailedCaption = "Invalid";
    // Failed submissions since the page was loaded; never stored.
    std::int32_t WrongAttempts = 0;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TEditPayload& payload) {
    return ar("AutoSize", payload.AutoSize) && ar("BorderStyle", payload.BorderStyle) &&
           ar("CharCase", payload.CharCase) && ar("Color", payload.Color) &&
           ar("MaxLength", payload.MaxLength) && ar("PasswordChar", payload.PasswordChar) &&
           ar("TabOrder", payload.StoredTabOrder) && ar("CursorNumber", payload.CursorNumber) &&
           ar("Hint", payload.Hint) && ar("Font", payload.Font) &&
           ar("AllowRetry", payload.AllowRetry) && ar("ErrorMessage", payload.ErrorMessage) &&
           ar("ErrorCaption", payload.ErrorCaption) && ar("FailedMessage", payload.FailedMessage) &&
           ar("FailedCaption", payload.FailedCaption) && ar("AccurateText", payload.AccurateText) &&
           ar("Text", payload.Text) && Bounds(ar, payload);
}

inline constexpr auto WriteEditPayload = &WriteRecord<TEditPayload>;
inline constexpr auto ReadEditPayload = &ReadRecord<TEditPayload>;

} // namespace brelvane
