#include "FuzzBoxes.h"
#include "FuzzSupport.h"
#include "objects/records/ObjectStream.h"

namespace {
using namespace brelvane;

std::vector<std::uint8_t> Written(const TAutoObject& object) {
    TMemoryStream stream;
    if (!WriteObject(stream, object)) std::abort();
    return stream.Bytes();
}
} // namespace

// An object read from any bytes writes bytes that read back and write again identically.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::SilenceErrors();
    auto stream = fuzz::StreamOf(data, size);
    TAutoObject object;
    bool read = false;
    {
        fuzz::BoxCounter boxes;
        read = ReadObject(stream, object);
        boxes.Check(read);
    }
    if (!read) return 0;
    const auto bytes = Written(object);
    TMemoryStream again(bytes);
    TAutoObject back;
    if (!ReadObject(again, back) || again.Remaining() != 0 || Written(back) != bytes) std::abort();
    return 0;
}
