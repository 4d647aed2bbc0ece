#include "storage/FontBlock.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

bool WriteFont(TStream& stream, const TFont& font) {
    return Transfer(kWriteFontError, [&] {
        if (!WriteString(stream, font.Name)) return false;
        WriteField(stream, font.Color);
        WriteField(stream, font.Size);
        WriteField(stream, font.Style);
        return true;
    });
}

bool ReadFont(TStream& stream, TFont& font) {
    return Transfer(kReadFontError, [&] {
        if (!ReadString(stream, font.Name)) return false;
        ReadField(stream, font.Color);
        ReadField(stream, font.Size);
        ReadField(stream, font.Style);
        return true;
    });
}

} // namespace brelvane
