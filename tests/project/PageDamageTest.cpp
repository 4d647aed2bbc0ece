#include "objects/records/CommandStream.h"
#include "objects/records/ObjectStream.h"
#include "project/PageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// Reading `bytes` fails with exactly one numbered box; returns its code.
int OneFailure(const Bytes& bytes, TPageReadMode mode = TPageReadMode::Build) {
    ErrorCollector errors;
    TPageRecord page;
    EXPECT_FALSE(ReadPageBytes(bytes, page, mode));
    EXPECT_EQ(errors.Messages().size(), 1u) << ::testing::PrintToString(errors.Messages());
    const int code = errors.Messages().empty() ? -1 : CodeOf(errors.Messages().front());
    EXPECT_NE(code, -1);
    return code;
}

// A new page's bytes up to the first int32 after the start action and the page comment.
Bytes NewPageStart() {
    const auto bytes = PageBytes(TPageRecord{});
    const TFont font;
    const auto tail = Concat({Int32Bytes(-1), Int32Bytes(0), Int32Bytes(-1), Int32Bytes(0),
                              Int32Bytes(-1), Int32Bytes(19), FontBytes(font), Int32Bytes(0),
                              U8Bytes(0), U8Bytes(0), FontBytes(font), Int32Bytes(16),
                              Int32Bytes(16), Int32Bytes(0), Int32Bytes(0), StringBytes("")});
    return Bytes(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(tail.size()));
}

TEST(PageDamage, EveryCutGivesOneNumberedBox) {
    const auto bytes = PageBytes(FullPage());
    for (std::size_t size = 0; size < bytes.size(); size += 7) {
        SCOPED_TRACE(size);
        OneFailure(Bytes(bytes.begin(), bytes.begin() + size));
        OneFailure(Bytes(bytes.begin(), bytes.begin() + size), TPageReadMode::Replace);
    }
    EXPECT_EQ(OneFailure(Bytes(bytes.begin(), bytes.begin() + 1)), kReadPageError);
}

TEST(PageDamage, MenusNestedTooDeepAreOneMenuBox) {
    auto bytes = NewPageStart();
    const auto marker = Concat({Int32Bytes(-1), Int32Bytes(1)});
    bytes.insert(bytes.end(), marker.begin(), marker.end());
    const auto deep = NestedMenuBytes(100000);
    bytes.insert(bytes.end(), deep.begin(), deep.end());
    EXPECT_EQ(OneFailure(bytes), kReadMenuItemError);
    EXPECT_EQ(OneFailure(bytes, TPageReadMode::Replace), kReadMenuItemError);
}

TEST(PageDamage, BadCountsAndObjects) {
    const auto start = NewPageStart();
    // A negative menu count.
    EXPECT_EQ(OneFailure(Concat({start, Int32Bytes(-1), Int32Bytes(-3)})), kReadPageError);
    // A huge object count with one byte behind it ends at the stream's end.
    EXPECT_EQ(OneFailure(Concat({start, Int32Bytes(0x7fffffff), U8Bytes(127)})), kReadObjectError);
    // A kind byte outside the table: the object read is silent, the page says so once.
    EXPECT_EQ(OneFailure(Concat({start, Int32Bytes(1), U8Bytes(127), Int32Bytes(0), U8Bytes(27)})),
              kReadObjectError);
    EXPECT_EQ(OneFailure(Concat({start, Int32Bytes(1), U8Bytes(99)})), kReadObjectError);
}

TEST(PageDamage, MenusTooDeepToReadAreNotWritten) {
    auto page = FullPage();
    TMenuItem deepest = Item("leaf");
    for (int level = 1; level < kMaxMenuDepth + 1; ++level)
        deepest = Item("level", {deepest});
    page.MenuBar = {deepest};
    TMemoryStream stream;
    ErrorCollector errors;
    EXPECT_FALSE(WritePage(stream, page));
    ExpectOneError(errors, kWriteMenuItemError);

    // The deepest menu the reader takes is written and read back.
    page.MenuBar = {deepest.Items.front()};
    errors.Clear();
    TPageRecord read;
    ASSERT_TRUE(ReadPageBytes(PageBytes(page), read));
    EXPECT_EQ(read.MenuBar, page.MenuBar);
    EXPECT_TRUE(errors.Messages().empty());
}

TEST(PageDamage, WriteOfAnObjectNoWriterCanStoreIsOneBox) {
    auto page = FullPage();
    Add(page.Objects, ObjectWithAForeignPayload("Object1"));
    TMemoryStream stream;
    ErrorCollector errors;
    EXPECT_FALSE(WritePage(stream, page));
    ExpectOneError(errors, kWriteObjectError);
}

TEST(PageDamage, KeepsWhatWasReadSoFar) {
    auto bytes = PageBytes(FullPage());
    bytes.resize(bytes.size() - 2); // inside the page name
    TPageRecord page;
    ErrorCollector errors;
    EXPECT_FALSE(ReadPageBytes(bytes, page));
    EXPECT_EQ(page.Objects.size(), 4u);
    EXPECT_EQ(page.Caption, "Welcome");
}

} // namespace
} // namespace brelvane::test
