#include "FuzzSupport.h"
#include "storage/FontLabelsBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    return fuzz::FuzzBlock<TFontLabels>(data, size, ReadFontLabels, WriteFontLabels);
}
