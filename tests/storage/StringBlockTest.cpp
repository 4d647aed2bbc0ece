#include "storage/StringBlock.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(StringBlock, EmptyStringIsFourZeroBytes) {
    TMemoryStream stream;
    ASSERT_TRUE(WriteString(stream, ""));
    EXPECT_EQ(stream.Bytes(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

} // namespace
} // namespace brelvane
