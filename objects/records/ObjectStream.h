#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/CommandStream.h"
#include "objects/records/MenuItem.h"
#include "storage/ByteStream.h"
#include "storage/Fields.h"

#include <memory>
#include <string>

namespace brelvane {

// From ObjectKinds.h, which pages' users need not see through this header.
bool IsObjectKind(std::uint8_t kind);

// Marker before an object's pop-up menu block.
inline constexpr std::uint8_t kPopupMarker = 127;

// The kind byte. A kind outside 0..26 ends a read without a message of its
// own and says so through `Unknown`.
struct TKnownKind : TFieldAdapter {
    std::uint8_t& Kind;
    bool* Unknown;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            std::uint8_t stored = 0;
            ar(name, stored);
            if (Unknown) *Unknown = !IsObjectKind(stored);
            if (!IsObjectKind(stored)) return false;
            Kind = stored;
            return true;
        } else {
            return ar(name, Kind);
        }
    }
};

// The kind's payload, through the kind's codec in the form being read; a
// kind whose payload this build cannot transfer is refused with the object's code.
struct TPayloadOfKind : TFieldAdapter {
    TAutoObject& Object;
    TPayloadForm Form = TPayloadForm::Running;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            const auto* codec = PayloadCodecOf(Object.Kind, Form);
            Object.Control.reset();
            if (!codec) FailDamaged("object kind this build cannot read");
            Object.Payload = codec->Create();
            return codec->Read(ar.Stream(), *Object.Payload);
        } else if constexpr (kWriting<Archive>) {
            const auto* codec =
                Object.Payload ? PayloadWriterOf(Object.Kind, *Object.Payload) : nullptr;
            if (!codec) FailDamaged("object kind without payload codec");
            return codec->Write(ar.Stream(), *Object.Payload);
        } else {
            ar.Visitor().BeginRecord(name);
            if (Object.Payload) Object.Payload->VisitFields(ar.Visitor());
            ar.Visitor().EndRecord();
            return true;
        }
    }
};

// The object record: pop-up items behind their marker, kind, properties,
// payload and graphic comment.
template <class Archive>
bool Fields(Archive& ar, TAutoObject& object, bool* unknownKind = nullptr,
            TPayloadForm form = TPayloadForm::Running) {
    bool commentFollows = true;
    const auto popupMenu = [&] { return ar("PopupMenu", object.PopupMenu); };
    // Any other first byte is the kind of an object without pop-up block.
    const auto noPopupMenu = [&] { object.PopupMenu.clear(); };
    return MarkedSection(ar, TMarker<std::uint8_t>{kPopupMarker}, popupMenu, noPopupMenu) &&
           ar("Kind", TKnownKind{{}, object.Kind, unknownKind}) &&
           ar("Props", CommandAnnouncing(object.Props, commentFollows)) &&
           ar("Payload", TPayloadOfKind{{}, object, form}) &&
           ar("GraphicComment", AnnouncedComment(object.GraphicComment, commentFollows));
}

// A kind outside 0..26 fails without a message (and writes nothing); a kind
// whose payload this build cannot transfer fails with the operation's code.
bool WriteObject(TStream& stream, const TAutoObject& object);
// `unknownKind`, when given, tells a caller that the read stopped at a kind
// byte outside 0..26 (which shows no message of its own).
bool ReadObject(TStream& stream, TAutoObject& object, bool* unknownKind = nullptr,
                TPayloadForm form = TPayloadForm::Running);

// One object record in a file of its own (object templates, read in the
// designer's form). Saving returns
// false on failure without a message and never leaves a half-written file.
bool SaveObjectFile(const std::string& path, const TAutoObject& object);
// The object read from the file, or null (the read's own error is reported).
std::unique_ptr<TAutoObject> LoadObjectFile(const std::string& path);

} // namespace brelvane
