#include "storage/exe/ResourceTree.h"

#include "storage/exe/ExeErrors.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TResource Make(TResourceId type, TResourceId name, std::uint16_t language,
               std::vector<std::uint8_t> data) {
    return {std::move(type), std::move(name), language, 0, std::move(data)};
}

TEST(ResourceTree, KeepsDirectoryOrderAndReplacesSameKey) {
    TResourceTree tree;
    tree.Put(Make(TResourceId::Of(16), TResourceId::Of(1), 1033, {1}));
    tree.Put(Make(TResourceId::Of(3), TResourceId::Of(2), 1033, {2}));
    tree.Put(Make(TResourceId::Of(14), TResourceId::Of("MAINICON"), 1033, {3}));
    tree.Put(Make(TResourceId::Of(3), TResourceId::Of(1), 0, {4}));
    tree.Put(Make(TResourceId::Of("PNG"), TResourceId::Of(7), 1033, {5}));
    tree.Put(Make(TResourceId::Of(3), TResourceId::Of(1), 0, {6}));
    std::vector<std::string> order;
    for (const auto& entry : tree.Entries())
        order.push_back(entry.Type.Text() + "/" + entry.Name.Text() + "/" +
                        std::to_string(entry.Language) + "=" + std::to_string(entry.Data[0]));
    EXPECT_EQ(order, (std::vector<std::string>{"PNG/7/1033=5", "3/1/0=6", "3/2/1033=2",
                                               "14/MAINICON/1033=3", "16/1/1033=1"}));
    // Names are found whatever the case of their letters.
    ASSERT_NE(tree.Find(TResourceId::Of(14), TResourceId::Of("MainIcon")), nullptr);
    EXPECT_TRUE(tree.Remove(TResourceId::Of(3), TResourceId::Of(1), 0));
    EXPECT_FALSE(tree.Remove(TResourceId::Of(3), TResourceId::Of(1), 0));
}

TEST(ResourceTree, WrittenDirectoryReadsBackAtItsAddress) {
    TResourceTree tree;
    tree.Put(Make(TResourceId::Of(3), TResourceId::Of(1), 1033, std::vector<std::uint8_t>(37, 9)));
    tree.Put(Make(TResourceId::Of(3), TResourceId::Of(1), 1031, {1, 2, 3}));
    tree.Put(Make(TResourceId::Of(14), TResourceId::Of("MAINICON"), 1033, {7, 7}));
    tree.Put(Make(TResourceId::Of("CUSTOM"), TResourceId::Of("Ä"), 0, {}));
    const std::uint32_t address = 0x5000;
    const auto bytes = WriteResourceDirectory(tree, address);
    const TResourceTree back = ReadResourceDirectory(bytes, address);
    ASSERT_EQ(back.Entries().size(), tree.Entries().size());
    for (std::size_t i = 0; i < back.Entries().size(); ++i) {
        const auto& a = back.Entries()[i];
        const auto& b = tree.Entries()[i];
        EXPECT_TRUE(SameResourceId(a.Type, b.Type) && SameResourceId(a.Name, b.Name));
        EXPECT_EQ(a.Language, b.Language);
        EXPECT_EQ(a.Data, b.Data);
    }
    // Data entries hold addresses: read at another address, the data lies elsewhere.
    EXPECT_THROW(ReadResourceDirectory(bytes, address + 0x1000), EExeFormat);
}

std::vector<std::uint8_t> OneLevel(std::uint16_t ids) {
    std::vector<std::uint8_t> bytes(16 + 8 * ids, 0);
    bytes[14] = static_cast<std::uint8_t>(ids);
    for (std::uint16_t i = 0; i < ids; ++i) {
        bytes[16 + 8 * i] = static_cast<std::uint8_t>(i + 1);
        bytes[16 + 8 * i + 7] = 0x80; // every entry points at the root again
    }
    return bytes;
}

TEST(ResourceTree, DamagedDirectoriesAreRefused) {
    // A directory that loops back to itself.
    EXPECT_THROW(ReadResourceDirectory(OneLevel(1), 0), EExeFormat);
    // Entry counts beyond the section.
    auto cut = OneLevel(2);
    cut.resize(cut.size() - 4);
    EXPECT_THROW(ReadResourceDirectory(cut, 0), EExeFormat);
    EXPECT_THROW(ReadResourceDirectory({}, 0), EExeFormat);

    // Two languages sharing one data entry would let small files grow.
    TResourceTree tree;
    tree.Put(Make(TResourceId::Of(3), TResourceId::Of(1), 1, {1}));
    tree.Put(Make(TResourceId::Of(3), TResourceId::Of(1), 2, {2}));
    auto bytes = WriteResourceDirectory(tree, 0);
    // Root, type and name tables; the name table's two entries follow its header.
    const std::size_t nameTable = 2 * (16 + 8);
    std::copy_n(bytes.begin() + nameTable + 16 + 4, 4, bytes.begin() + nameTable + 24 + 4);
    EXPECT_THROW(ReadResourceDirectory(bytes, 0), EExeFormat);
}

} // namespace
} // namespace brelvane
