#include "storage/FontBlock.h"

#include "StorageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

const TFont kArial{"Arial", 0x00ff8040, 14, fsBold | fsUnderline};

Bytes ArialBytes() {
    return test::Concat({test::StringBytes("Arial"), {0x40, 0x80, 0xff, 0x00}, {14, 0, 0, 0}, {5}});
}

TEST(FontBlock, StoresNameColorSizeAndStyleInOrder) {
    TMemoryStream stream;
    ASSERT_TRUE(WriteFont(stream, kArial));
    EXPECT_EQ(stream.Bytes(), ArialBytes());
}

TEST(FontBlock, ReadsWhatWasStored) {
    TMemoryStream stream(ArialBytes());
    TFont font;
    ASSERT_TRUE(ReadFont(stream, font));
    EXPECT_EQ(font, kArial);
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(FontBlock, BadNameReportsOnlyTheStringError) {
    test::ExpectReadFails<TFont>(ReadFont, test::Int32Bytes(-7), 1054);
}

TEST(FontBlock, CutAfterTheNameReportsTheFontError) {
    Bytes bytes = ArialBytes();
    bytes.pop_back();
    test::ExpectReadFails<TFont>(ReadFont, bytes, 1052);
}

} // namespace
} // namespace brelvane
