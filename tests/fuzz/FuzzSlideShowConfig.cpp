#include "FuzzSupport.h"
#include "objects/records/SlideShowConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    fuzz::SilenceErrors();
    auto stream = fuzz::StreamOf(data, size);
    std::vector<TPSImageEntry> entries;
    if (ReadSlideShowConfig(stream, entries) != TConfigRead::Read) return 0;
    // What was read is written again and reads back the same.
    TMemoryStream copy;
    if (!WriteSlideShowConfig(copy, entries)) std::abort();
    copy.Seek(0);
    std::vector<TPSImageEntry> back;
    if (ReadSlideShowConfig(copy, back) != TConfigRead::Read || back != entries) std::abort();
    return 0;
}
