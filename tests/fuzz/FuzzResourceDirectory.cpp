#include "FuzzSupport.h"
#include "storage/exe/ExeErrors.h"
#include "storage/exe/ResourceTree.h"

#include <cstring>

namespace {
using namespace brelvane;

bool SameTree(const TResourceTree& a, const TResourceTree& b) {
    if (a.Entries().size() != b.Entries().size()) return false;
    for (std::size_t i = 0; i < a.Entries().size(); ++i) {
        const auto& x = a.Entries()[i];
        const auto& y = b.Entries()[i];
        if (!SameResourceId(x.Type, y.Type) || !SameResourceId(x.Name, y.Name) ||
            x.Language != y.Language || x.CodePage != y.CodePage || x.Data != y.Data)
            return false;
    }
    return true;
}
} // namespace

// The first four bytes are the section's address, the rest its bytes. A
// directory that was read writes one that reads back the same, and again
// writes the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    std::uint32_t address = 0;
    std::memcpy(&address, data, 4);
    TResourceTree tree;
    try {
        tree = ReadResourceDirectory({data + 4, size - 4}, address);
    } catch (const EExeFormat&) {
        return 0;
    }
    const auto bytes = WriteResourceDirectory(tree, address);
    const auto back = ReadResourceDirectory(bytes, address);
    if (!SameTree(tree, back) || WriteResourceDirectory(back, address) != bytes) std::abort();
    return 0;
}
