#include "FuzzSupport.h"
#include "storage/FontBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    return fuzz::FuzzBlock<TFont>(data, size, ReadFont, WriteFont);
}
