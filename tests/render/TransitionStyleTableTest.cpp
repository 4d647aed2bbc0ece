#include "render/TransitionStyles.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace brelvane {
namespace {

std::string NameOf(int number) {
    return TransitionStyles()[static_cast<std::size_t>(number - 1)].Name;
}

TEST(TransitionStyleTable, NamesTheStylesInOrder) {
    EXPECT_EQ(NameOf(1), "Expand from right");
    EXPECT_EQ(NameOf(51), "Appear and Contract to middle");
    EXPECT_EQ(NameOf(76), "Unven shred from bottom");
    EXPECT_EQ(NameOf(118), "Fade");
    EXPECT_EQ(NameOf(134), "Push and sqeeze down");
    EXPECT_EQ(NameOf(145), "Rectangles apear from left and disapear to right");
    EXPECT_EQ(NameOf(150), "Rotational star");
}

TEST(TransitionStyleTable, RepeatsOnlyTwoNames) {
    EXPECT_EQ(NameOf(33), NameOf(18));
    EXPECT_EQ(NameOf(34), NameOf(25));
    std::map<std::string, int> firstRow;
    for (int number = 1; number <= TransitionStyleCount; ++number) {
        const auto [at, added] = firstRow.emplace(NameOf(number), number);
        if (!added) {
            EXPECT_TRUE((number == 33 && at->second == 18) || (number == 34 && at->second == 25))
                << number << " repeats " << at->second;
        }
        EXPECT_NE(TransitionStyles()[static_cast<std::size_t>(number - 1)].Proc, nullptr);
    }
    EXPECT_EQ(firstRow.size(), static_cast<std::size_t>(TransitionStyleCount - 2));
}

} // namespace
} // namespace brelvane
