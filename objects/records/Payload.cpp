#include "objects/records/Payload.h"

#include "storage/LittleEndian.h"

namespace brelvane {

void TPayload::VisitBounds(TFieldVisitor& visitor) const {
    visitor.Field("Left", std::int64_t{Left});
    visitor.Field("Top", std::int64_t{Top});
    visitor.Field("Width", std::int64_t{Width});
    visitor.Field("Height", std::int64_t{Height});
    visitor.Field("Hint", Hint);
}

void WritePayloadBounds(TStream& stream, const TPayload& payload) {
    for (const auto value : {payload.Left, payload.Top, payload.Width, payload.Height})
        WriteField(stream, value);
}

void ReadPayloadBounds(TStream& stream, TPayload& payload) {
    for (auto* value : {&payload.Left, &payload.Top, &payload.Width, &payload.Height})
        ReadField(stream, *value);
}

} // namespace brelvane
