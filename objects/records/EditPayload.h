#pragma once

#include "objects/records/Payload.h"
#include "storage/FontBlock.h"

namespace brelvane {

enum : int { kWriteEditError = 1017, kReadEditError = 1018 };

enum TCharCase : std::uint8_t { ccNormal, ccUpperCase, ccLowerCase };
enum TEditBorder : std::uint8_t { ebNone, ebSingle };

// Kind 14: the edit box that must receive an exact text.
struct TEditPayload : TPayloadOf<TEditPayload> {
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

bool WriteEditPayload(TStream& stream, const TEditPayload& payload);
bool ReadEditPayload(TStream& stream, TEditPayload& payload);

} // namespace brelvane
