#include "objects/records/MenuItem.h"

namespace brelvane {

bool WriteMenuItem(TStream& stream, const TMenuItem& item) {
    return WriteRecord(stream, item);
}

bool ReadMenuItem(TStream& stream, TMenuItem& item) {
    return ReadRecord(stream, item);
}

} // namespace brelvane
