#include "objects/records/ShapePayload.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

namespace {
constexpr std::int32_t kBorderMarker = -1;
}

void TShapePayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("CursorNumber", std::int64_t{CursorNumber});
    visitor.Field("Align", std::int64_t{Align});
    visitor.Field("FillColor", std::int64_t{FillColor});
    visitor.Field("FillStyle", std::int64_t{FillStyle});
    visitor.Field("GradientColor", std::int64_t{GradientColor});
    visitor.Field("Parameter", std::int64_t{Parameter});
    visitor.Field("Shape", std::int64_t{Shape});
    visitor.Field("BorderWidth", std::int64_t{BorderWidth});
    visitor.Field("BorderColor", std::int64_t{BorderColor});
    VisitBounds(visitor);
}

bool WriteShapePayload(TStream& stream, const TShapePayload& payload) {
    return Transfer(kWriteShapeError, [&] {
        WriteField(stream, payload.CursorNumber);
        if (!WriteString(stream, payload.Hint)) return false;
        WriteField(stream, payload.Align);
        for (const auto value :
             {payload.FillColor, payload.FillStyle, payload.GradientColor, payload.Parameter,
              payload.Shape, payload.Left, payload.Top, payload.Width, kBorderMarker,
              payload.BorderWidth, payload.BorderColor, payload.Height})
            WriteField(stream, value);
        return true;
    });
}

bool ReadShapePayload(TStream& stream, TShapePayload& payload) {
    return Transfer(kReadShapeError, [&] {
        ReadField(stream, payload.CursorNumber);
        if (!ReadString(stream, payload.Hint)) return false;
        ReadField(stream, payload.Align);
        for (auto* value :
             {&payload.FillColor, &payload.FillStyle, &payload.GradientColor, &payload.Parameter,
              &payload.Shape, &payload.Left, &payload.Top, &payload.Width})
            ReadField(stream, *value);
        const auto next = ReadField<std::int32_t>(stream);
        if (next < 0) {
            ReadField(stream, payload.BorderWidth);
            ReadField(stream, payload.BorderColor);
            ReadField(stream, payload.Height);
        } else {
            payload.BorderWidth = 0;
            payload.BorderColor = 0;
            payload.Height = next;
        }
        return true;
    });
}

} // namespace brelvane
