#include "FuzzSupport.h"
#include "storage/StringBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    return fuzz::FuzzBlock<std::string>(data, size, ReadString, WriteString);
}
