#include "FuzzBoxes.h"
#include "FuzzSupport.h"
#include "project/ClipboardObjects.h"

namespace {
using namespace brelvane;

std::vector<const TAutoObject*> Pointers(const TAutoObjects& objects) {
    std::vector<const TAutoObject*> pointers;
    for (const auto& object : objects)
        pointers.push_back(object.get());
    return pointers;
}
} // namespace

// Whatever lies on the clipboard under our type: a damaged header reads
// nothing; the records read before a damaged one paste again as the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::SilenceErrors();
    TClipboardObjects read;
    {
        fuzz::BoxCounter boxes;
        read = ReadClipboardObjects(std::vector<std::uint8_t>(data, data + size));
        if (read.Damaged && !read.Objects.empty()) std::abort();
        // A damaged header shows no box here (the paste says so), a damaged record one.
        boxes.Check(read.Damaged);
    }
    if (read.Objects.empty()) return 0;
    const auto copied = WriteClipboardObjects(Pointers(read.Objects));
    if (!copied) std::abort();
    const auto again = ReadClipboardObjects(*copied);
    if (again.Damaged || again.Objects.size() != read.Objects.size()) std::abort();
    const auto copiedAgain = WriteClipboardObjects(Pointers(again.Objects));
    if (!copiedAgain || *copiedAgain != *copied) std::abort();
    return 0;
}
