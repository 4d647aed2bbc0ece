#include "objects/records/ObjectStream.h"

#include "objects/records/CommandStream.h"
#include "objects/records/ObjectKinds.h"
#include "storage/LittleEndian.h"
#include "storage/SaveFile.h"
#include "storage/Transfer.h"

#include <cerrno>

namespace brelvane {

namespace {
[[noreturn]] void Refuse(const char* why) {
    errno = 0;
    throw StreamError(why);
}
} // namespace

bool WriteObject(TStream& stream, const TAutoObject& object) {
    if (!IsObjectKind(object.Kind)) return false;
    return Transfer(kWriteObjectError, [&] {
        const auto* codec = PayloadCodecOf(object.Kind);
        if (!codec || !object.Payload) Refuse("object kind without payload codec");
        WriteField(stream, kPopupMarker);
        WriteField<std::int32_t>(stream, static_cast<std::int32_t>(object.PopupMenu.size()));
        if (!WriteMenuItems(stream, object.PopupMenu)) return false;
        WriteField(stream, object.Kind);
        if (!WriteCommand(stream, object.Props) || !codec->Write(stream, *object.Payload))
            return false;
        // The writer's own packing never leaves packed string B empty.
        return WritePicture(stream, object.GraphicComment);
    });
}

bool ReadObject(TStream& stream, TAutoObject& object, bool* unknownKind) {
    bool badKind = false;
    const bool read = Transfer(kReadObjectError, [&] {
        auto kind = ReadField<std::uint8_t>(stream);
        object.PopupMenu.clear();
        if (kind == kPopupMarker) {
            const auto count = ReadField<std::int32_t>(stream);
            if (!ReadMenuItems(stream, count, object.PopupMenu)) return false;
            kind = ReadField<std::uint8_t>(stream);
        }
        if (!IsObjectKind(kind)) {
            badKind = true;
            return false;
        }
        object.Kind = kind;
        std::string packedB;
        if (!ReadCommand(stream, object.Props, &packedB)) return false;
        object.Control.reset();
        const auto* codec = PayloadCodecOf(kind);
        if (!codec) Refuse("object kind this build cannot read");
        object.Payload = codec->Create();
        if (!codec->Read(stream, *object.Payload)) return false;
        object.GraphicComment.Clear();
        return packedB.empty() || ReadPicture(stream, object.GraphicComment);
    });
    if (unknownKind) *unknownKind = badKind;
    return read && !badKind;
}

bool SaveObjectFile(const std::string& path, const TAutoObject& object) {
    try {
        return SaveFileAtomically(path,
                                  [&](TStream& stream) { return WriteObject(stream, object); });
    } catch (const StreamError&) {
        return false;
    }
}

std::unique_ptr<TAutoObject> LoadObjectFile(const std::string& path) {
    try {
        TFileStream stream(path, TFileStream::Mode::Read);
        auto object = std::make_unique<TAutoObject>();
        if (!ReadObject(stream, *object)) return nullptr;
        return object;
    } catch (const StreamError&) {
        return nullptr;
    }
}

} // namespace brelvane
