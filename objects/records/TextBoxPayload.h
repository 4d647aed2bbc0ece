#pragma once

#include "objects/records/Payload.h"
#include "storage/FontBlock.h"

namespace brelvane {

enum : int {
    kWriteRichTextError = 1031,
    kReadRichTextError = 1032,
    kWriteTextBoxError = 1033,
    kReadTextBoxError = 1034,
};

enum TTextBoxScrollBars : std::uint8_t { sbNone, sbHorizontal, sbVertical, sbBoth };

// What the text box and the rich-text box share: placing, frame, colour,
// scroll bars and font. `Align` places the control in the page (0 none,
// 1 top, 2 bottom, 3 left, 4 right, 5 client); `Alignment` aligns the text
// (0 left, 1 right, 2 centre).
struct TTextBoxLook {
    std::uint8_t Align = 0;
    std::uint8_t Alignment = 0;
    // 0 none, 1 single.
    std::uint8_t Border = 1;
    std::int32_t BorderWidth = 0;
    std::int32_t BackColor = clWindow;
    std::uint8_t ScrollBar = sbVertical;
    bool WordWrap = true;
    std::int16_t CursorNumber = 0;
    TFont Font;
};

// Kind 8: read-only lines of plain text.
struct TTextBoxPayload : TPayloadOf<TTextBoxPayload>, TTextBoxLook {
    static constexpr TRecordCodes Codes{kWriteTextBoxError, kReadTextBoxError};
    std::string* ViewerText() override { return &Text; }

    // The lines, each ended by CR LF.
    std::string Text;

    void VisitFields(TFieldVisitor& visitor) const override;
};

// Kind 9: read-only rich text. The content is kept as the bytes that were
// stored (RTF, or plain text with the switch on), so a page round-trips
// whatever the RTF reader makes of it.
struct TRichTextPayload : TPayloadOf<TRichTextPayload>, TTextBoxLook {
    static constexpr TRecordCodes Codes{kWriteRichTextError, kReadRichTextError};

    std::string RichText;
    // The content is shown as the text it is, not read as RTF.
    bool PlainText = false;

    void VisitFields(TFieldVisitor& visitor) const override;
};

// A byte count and the bytes; a count beyond the end of the stream is damage
// of the record itself, found before anything is allocated.
struct TCountedBytes : TFieldAdapter {
    std::string& Bytes;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            const auto count = ar.template Take<std::int32_t>();
            if (count < 0 || static_cast<std::uint64_t>(count) > ar.Stream().Remaining())
                FailDamaged("byte count beyond the stream");
            std::string bytes(static_cast<std::size_t>(count), '\0');
            ar.Stream().Read(bytes.data(), bytes.size());
            Bytes = std::move(bytes);
            return true;
        } else if constexpr (kWriting<Archive>) {
            if (Bytes.size() > 0x7fffffff) FailDamaged("content too long");
            if (!ar(name, static_cast<std::int32_t>(Bytes.size()))) return false;
            ar.Stream().Write(Bytes.data(), Bytes.size());
            return true;
        } else {
            return ar(name, Bytes);
        }
    }
};

template <class Archive> bool BoxFrame(Archive& ar, TTextBoxLook& look) {
    return ar("Align", look.Align) && ar("Alignment", look.Alignment) &&
           ar("Border", look.Border) && ar("BorderWidth", look.BorderWidth) &&
           ar("BackColor", look.BackColor);
}

template <class Archive> bool BoxTail(Archive& ar, TPayload& payload, TTextBoxLook& look) {
    return ar("ScrollBar", look.ScrollBar) && ar("WordWrap", look.WordWrap) &&
           ar("CursorNumber", look.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", look.Font) && Bounds(ar, payload);
}

template <class Archive> bool Fields(Archive& ar, TTextBoxPayload& payload) {
    return BoxFrame(ar, payload) && ar("Text", payload.Text) && BoxTail(ar, payload, payload);
}

// The content comes before the switch that says how to show it.
template <class Archive> bool Fields(Archive& ar, TRichTextPayload& payload) {
    return BoxFrame(ar, payload) && ar("RichText", TCountedBytes{{}, payload.RichText}) &&
           ar("PlainText", payload.PlainText) && BoxTail(ar, payload, payload);
}

} // namespace brelvane
