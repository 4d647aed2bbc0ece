#include "objects/records/ObjectStream.h"

#include "objects/records/ObjectKinds.h"
#include "storage/SaveFile.h"

namespace brelvane {

bool WriteObject(TStream& stream, const TAutoObject& object) {
    if (!IsObjectKind(object.Kind)) return false;
    return WriteRecord(stream, object);
}

bool ReadObject(TStream& stream, TAutoObject& object, bool* unknownKind, TPayloadForm form) {
    bool unknown = false;
    const bool read = ReadRecord(stream, object, &unknown, form);
    if (unknownKind) *unknownKind = unknown;
    return read;
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
        if (!ReadObject(stream, *object, nullptr, TPayloadForm::Design)) return nullptr;
        return object;
    } catch (const StreamError&) {
        return nullptr;
    }
}

} // namespace brelvane
