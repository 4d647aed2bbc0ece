#include "project/ClipboardObjects.h"

#include "objects/records/ObjectStream.h"
#include "project/PageStream.h"
#include "storage/LittleEndian.h"

namespace brelvane {

namespace {
constexpr std::size_t kCountSize = sizeof(std::int32_t);
} // namespace

std::optional<std::vector<std::uint8_t>>
WriteClipboardObjects(const std::vector<const TAutoObject*>& objects) {
    TMemoryStream records;
    WriteField<std::int32_t>(records, static_cast<std::int32_t>(objects.size()));
    for (const auto* object : objects)
        if (!WriteObject(records, *object)) return std::nullopt;
    TMemoryStream data;
    WriteField<std::int32_t>(data, static_cast<std::int32_t>(records.Size()));
    data.Write(records.Bytes().data(), records.Bytes().size());
    return data.Bytes();
}

TClipboardObjects ReadClipboardObjects(const std::vector<std::uint8_t>& data) {
    TClipboardObjects result;
    result.Damaged = true;
    if (data.size() < 2 * kCountSize) return result;
    TMemoryStream stream(data);
    const auto length = ReadField<std::int32_t>(stream);
    if (length < 0 || static_cast<std::uint64_t>(length) != stream.Remaining()) return result;
    const auto count = ReadField<std::int32_t>(stream);
    // Every record takes at least one byte.
    if (count < 0 || static_cast<std::uint64_t>(count) > stream.Remaining()) return result;
    result.Damaged = false;
    for (std::int32_t i = 0; i < count; ++i) {
        auto object = std::make_unique<TAutoObject>();
        // Copied objects are the designer's, read in its form.
        if (!ReadContainedObject(stream, *object, TPayloadForm::Design))
            break; // those read before stay
        result.Objects.push_back(std::move(object));
    }
    return result;
}

} // namespace brelvane
