#include "FuzzSupport.h"
#include "storage/PictureBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    return fuzz::FuzzBlock<TPicture>(data, size, ReadPicture, WritePicture);
}
