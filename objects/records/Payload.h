#pragma once

#include "storage/ByteStream.h"
#include "storage/EffectBlock.h"
#include "storage/FontBlock.h"
#include "storage/FontLabelsBlock.h"
#include "storage/PictureBlock.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace brelvane {

// Receives a payload's fields by name (dumps, generic displays).
class TFieldVisitor {
public:
    virtual ~TFieldVisitor() = default;
    virtual void Field(const char* name, std::int64_t value) = 0;
    virtual void Field(const char* name, bool value) = 0;
    virtual void Field(const char* name, const std::string& value) = 0;
    virtual void Field(const char* name, const TFont& value) = 0;
    virtual void Field(const char* name, const TPicture& value) = 0;
    virtual void Field(const char* name, const TAAEffect& value) = 0;
    virtual void Field(const char* name, const TFontLabels& value) = 0;
};

// The kind-specific part of an object. Every kind stores the standard control
// properties below inside its payload; the rest is the kind's own record.
class TPayload {
public:
    virtual ~TPayload() = default;
    virtual std::unique_ptr<TPayload> Clone() const = 0;
    // The kind's own fields, then the standard control properties.
    virtual void VisitFields(TFieldVisitor& visitor) const = 0;
    void VisitBounds(TFieldVisitor& visitor) const;

    // The caption text of kinds that show one; null for the others.
    virtual std::string* CaptionText() { return nullptr; }
    // The text a comment viewer replaces (a caption, or lines joined with CR
    // LF); null for kinds that cannot be viewers.
    virtual std::string* ViewerText() { return nullptr; }
    // The duty a click carries out (buttons and image buttons); 0 for ordinary objects.
    virtual std::uint8_t ButtonDuty() const { return 0; }
    // The kind's own keyboard-order number, for kinds that keep one.
    virtual std::optional<std::int32_t> TabOrder() const { return std::nullopt; }

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
void WritePayloadBounds(TStream& stream, const TPayload& payload);
void ReadPayloadBounds(TStream& stream, TPayload& payload);

// How one kind's payload is created and transferred.
struct TPayloadCodec {
    std::unique_ptr<TPayload> (*Create)();
    bool (*Write)(TStream&, const TPayload&);
    bool (*Read)(TStream&, TPayload&);
};

// The codec of a kind, or null for a kind whose payload this build cannot
// read (such objects are refused when read).
const TPayloadCodec* PayloadCodecOf(std::uint8_t kind);

// Binds a payload struct's own Write/Read functions into a codec.
template <class P, bool (*WriteP)(TStream&, const P&), bool (*ReadP)(TStream&, P&)>
constexpr TPayloadCodec MakePayloadCodec() {
    return {
        []() -> std::unique_ptr<TPayload> { return std::make_unique<P>(); },
        [](TStream& stream, const TPayload& payload) {
            return WriteP(stream, static_cast<const P&>(payload));
        },
        [](TStream& stream, TPayload& payload) { return ReadP(stream, static_cast<P&>(payload)); }};
}

} // namespace brelvane
