#include "FuzzBoxes.h"
#include "FuzzSupport.h"
#include "project/PageStream.h"

namespace {
using namespace brelvane;

std::vector<std::uint8_t> Written(const TPageRecord& page) {
    TMemoryStream stream;
    if (!WritePage(stream, page)) std::abort();
    return stream.Bytes();
}
} // namespace

// Both read modes on any bytes; a page that was read writes bytes that read
// back and write again identically.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::SilenceErrors();
    TPageRecord page;
    bool built = false;
    {
        auto stream = fuzz::StreamOf(data, size);
        fuzz::BoxCounter boxes;
        built = ReadPage(stream, page, TPageReadMode::Build, {true, true, true, true});
        boxes.Check(built);
    }
    {
        auto stream = fuzz::StreamOf(data, size);
        TPageRecord showing;
        fuzz::BoxCounter boxes;
        boxes.Check(ReadPage(stream, showing, TPageReadMode::Replace, {}));
    }
    if (!built) return 0;
    const auto bytes = Written(page);
    TMemoryStream again(bytes);
    TPageRecord back;
    if (!ReadPage(again, back, TPageReadMode::Build, {}) || again.Remaining() != 0 ||
        Written(back) != bytes)
        std::abort();
    return 0;
}
