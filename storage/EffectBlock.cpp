#include "storage/EffectBlock.h"

namespace brelvane {

bool WriteEffect(TStream& stream, const TAAEffect& effect) {
    return WriteRecord(stream, effect);
}

bool ReadEffect(TStream& stream, TAAEffect& effect) {
    return ReadRecord(stream, effect);
}

} // namespace brelvane
