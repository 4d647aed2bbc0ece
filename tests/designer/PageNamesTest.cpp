#include "designer/PageNames.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(PageNames, OnlyPlainFileNamesArePageNames) {
    EXPECT_TRUE(IsPlainPageName("Sub Page1"));
    EXPECT_TRUE(IsPlainPageName("Caf\xe9"));
    for (const std::string& bad :
         std::vector<std::string>{"", ".", "..", "a\\b", "a/b", "c:", "a*", "a?", "say \"hi\"",
                                  "<a>", "a|b", std::string("tab\tname"), std::string("nul\0x", 5)})
        EXPECT_FALSE(IsPlainPageName(bad)) << bad;
}

TEST(PageNames, NumbersFollowTheCandidateRegardlessOfCase) {
    std::vector<std::string> names{"Main Page"};
    for (const char* expected : {"Sub Page", "Sub Page1", "Sub Page2"}) {
        const auto name = UniquePageName(names, "Sub Page");
        EXPECT_EQ(name, expected);
        names.push_back(name);
    }
    EXPECT_EQ(UniquePageName({"SUB PAGE"}, "Sub Page"), "Sub Page1");
    EXPECT_EQ(UniquePageName({"Sub Page", "sub page1"}, "Sub Page"), "Sub Page2");
}

TEST(PageNames, AnIndexWithCaseTwinsOrPathNamesIsDamaged) {
    TProjectIndex index;
    for (const char* name : {"Main Page", "Sub Page"}) {
        index.Pages.push_back(std::make_unique<TAutoFormInfo>());
        index.Pages.back()->Name = name;
    }
    EXPECT_FALSE(DamagedPageName(index));
    index.Pages.push_back(std::make_unique<TAutoFormInfo>());
    index.Pages.back()->Name = "SUB PAGE";
    EXPECT_EQ(DamagedPageName(index), "SUB PAGE");
    index.Pages.back()->Name = "..";
    EXPECT_EQ(DamagedPageName(index), "..");
}

} // namespace
} // namespace brelvane::test
