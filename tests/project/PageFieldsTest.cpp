#include "objects/FieldNameCheck.h"
#include "project/PageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(PageFields, PageAndIndexNameEachFieldOnce) {
    FieldNameCheck page;
    VisitRecord(page, FullPage());
    EXPECT_EQ(page.Problems, std::vector<std::string>{});
    for (const char* part : {"StartAction", "MenuBar", "PopupMenu", "StatusPanels", "ToolButtons",
                             "Objects", "PageName"})
        EXPECT_TRUE(page.Names().count(part)) << part;

    auto index = SampleIndex();
    index.Settings.InstallWares.push_back(std::make_unique<TInstallWare>());
    FieldNameCheck settings;
    VisitRecord(settings, index.Settings);
    EXPECT_EQ(settings.Problems, std::vector<std::string>{});
    FieldNameCheck entry;
    VisitRecord(entry, *index.Pages.front());
    EXPECT_EQ(entry.Problems, std::vector<std::string>{});
}

} // namespace
} // namespace brelvane::test
