#include "FuzzSupport.h"
#include "storage/EffectBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    return fuzz::FuzzBlock<TAAEffect>(data, size, ReadEffect, WriteEffect);
}
