#include "FuzzSupport.h"
#include "storage/ProjectIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    fuzz::SilenceErrors();
    auto stream = fuzz::StreamOf(data, size);
    TProjectIndex index;
    if (!ReadProjectIndex(stream, index)) return 0;
    ReadIndexTrailer(stream);
    const auto same = [](const TProjectIndex& a, const TProjectIndex& b) {
        return a.Settings == b.Settings &&
               std::equal(a.Pages.begin(), a.Pages.end(), b.Pages.begin(), b.Pages.end(),
                          [](const auto& x, const auto& y) {
                              return x->Name == y->Name && x->Kind == y->Kind &&
                                     x->Offset == y->Offset;
                          });
    };
    fuzz::ExpectRoundTrip(index, WriteProjectIndex, ReadProjectIndex, same);
    return 0;
}
