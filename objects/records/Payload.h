#pragma once

#include "storage/ByteStream.h"
#include "storage/Fields.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace brelvane {

// The kind-specific part of an object. Every kind stores the standard control
// properties below inside its payload; the rest is the kind's own record.
class TPayload {
public:
    virtual ~TPayload() = default;
    virtual std::unique_ptr<TPayload> Clone() const = 0;
    // Every stored field, in stored order.
    virtual void VisitFields(TFieldVisitor& visitor) const = 0;

    // The caption text of kinds that show one; null for the others.
    virtual std::string* CaptionText() { return nullptr; }
    // The text a comment viewer replaces (a caption, or lines joined with CR
    // LF); null for kinds that cannot be viewers.
    virtual std::string* ViewerText() { return nullptr; }
    // The duty a click carries out (buttons and image buttons); 0 for ordinary objects.
    virtual std::uint8_t ButtonDuty() const { return 0; }
    // The kind's own keyboard-order number, for kinds that keep one.
    virtual std::optional<std::int32_t> TabOrder() const { return std::nullopt; }
    // Gives such a kind a new keyboard-order number; the others ignore it.
    virtual void SetTabOrder(std::int32_t /*order*/) {}

    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::string Hint;

protected:
    TPayload() = default;
    TPayload(const TPayload&) = default;
    TPayload& operator=(const TPayload&) = default;
};

// CRTP helper for Clone.
template <class Derived> class TPayloadOf : public TPayload {
public:
    std::unique_ptr<TPayload> Clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

// Left, top, width and height, as most payloads store them at their end.
template <class Archive> bool Bounds(Archive& ar, TPayload& payload) {
    return ar("Left", payload.Left) && ar("Top", payload.Top) && ar("Width", payload.Width) &&
           ar("Height", payload.Height);
}

// How one kind's payload is created and transferred.
struct TPayloadCodec {
    std::unique_ptr<TPayload> (*Create)();
    bool (*Write)(TStream&, const TPayload&);
    bool (*Read)(TStream&, TPayload&);
    // Whether `payload` is of this codec's type.
    bool (*Holds)(const TPayload&);
};

// The form in which a page's payloads are read: that of a running page, or
// the designer's (the web view differs, in the codes it reports with).
enum class TPayloadForm { Running, Design };

// The codec of a kind in a form, or null for a kind whose payload this build
// cannot read (such objects are refused when read).
const TPayloadCodec* PayloadCodecOf(std::uint8_t kind, TPayloadForm form = TPayloadForm::Running);
// The codec that writes `payload` as the form it was read or made in; null
// when the payload is not one of the kind's.
const TPayloadCodec* PayloadWriterOf(std::uint8_t kind, const TPayload& payload);

// The codec of a payload struct with codes and a field list of its own.
template <class P> constexpr TPayloadCodec MakePayloadCodec() {
    return {[]() -> std::unique_ptr<TPayload> { return std::make_unique<P>(); },
            [](TStream& stream, const TPayload& payload) {
                return WriteRecord(stream, static_cast<const P&>(payload));
            },
            [](TStream& stream, TPayload& payload) {
                return ReadRecord(stream, static_cast<P&>(payload));
            },
            [](const TPayload& payload) { return dynamic_cast<const P*>(&payload) != nullptr; }};
}

} // namespace brelvane
