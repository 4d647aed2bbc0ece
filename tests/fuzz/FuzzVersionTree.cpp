#include "FuzzSupport.h"
#include "storage/exe/ExeErrors.h"
#include "storage/exe/VersionInfo.h"

namespace {
using namespace brelvane;

bool SameNode(const TVersionNode& a, const TVersionNode& b) {
    if (a.Key != b.Key || a.Text != b.Text || a.ValueLength != b.ValueLength ||
        a.Value != b.Value || a.Children.size() != b.Children.size())
        return false;
    for (std::size_t i = 0; i < a.Children.size(); ++i)
        if (!SameNode(a.Children[i], b.Children[i])) return false;
    return true;
}
} // namespace

// Value look-ups never read outside the bytes; a tree that was read writes
// bytes that read back as the same tree.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (const char* key : {"CompanyName", "FileDescription", "LegalCopyright", "FileVersion"}) {
        try {
            (void)QueryVersionString(bytes, kVersionTable, key);
        } catch (const EExeFormat&) {
        }
    }
    TVersionNode root;
    try {
        root = ReadVersionTree(bytes);
    } catch (const EExeFormat&) {
        return 0;
    }
    // A length word holds at most 65535 bytes; larger trees cannot be written.
    const auto written = WriteVersionTree(root);
    if (written.size() > 0xFFFF) return 0;
    if (!SameNode(ReadVersionTree(written), root)) std::abort();
    return 0;
}
