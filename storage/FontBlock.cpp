#include "storage/FontBlock.h"

namespace brelvane {

bool WriteFont(TStream& stream, const TFont& font) {
    return WriteRecord(stream, font);
}

bool ReadFont(TStream& stream, TFont& font) {
    return ReadRecord(stream, font);
}

} // namespace brelvane
