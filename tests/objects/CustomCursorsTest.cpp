#include "objects/records/CustomCursors.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct RecordingLoader {
    std::vector<std::pair<std::string, int>> Loads;
    bool Succeeds = true;
    TCustomCursors::Loader Bind() {
        return [this](const std::string& file, int number) {
            Loads.emplace_back(file, number);
            return Succeeds;
        };
    }
};

TEST(CustomCursors, OneFileIsLoadedOnceWhateverItsCase) {
    TCustomCursors table;
    RecordingLoader loader;
    const std::vector<std::string> uses = {"\\hand.cur", "\\HAND.CUR", "hand.cur", "\\Hand.Cur",
                                           "HAND.cur"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(table.Resolve(uses[i % uses.size()], loader.Bind()), 1);
    ASSERT_EQ(loader.Loads.size(), 1u);
    EXPECT_EQ(loader.Loads[0], std::make_pair(std::string("\\HAND.CUR"), 1));
    ASSERT_EQ(table.Entries().size(), 1u);
    EXPECT_EQ(table.Entries()[0].Name, "\\HAND.CUR");
}

TEST(CustomCursors, NewFilesTakeTheNextNumberAndFailuresAreNotKept) {
    TCustomCursors table;
    RecordingLoader loader;
    EXPECT_EQ(table.Resolve("\\a.cur", loader.Bind()), 1);
    EXPECT_EQ(table.Resolve("\\b.ani", loader.Bind()), 2);
    loader.Succeeds = false;
    EXPECT_EQ(table.Resolve("\\broken.cur", loader.Bind()), std::nullopt);
    EXPECT_EQ(table.Resolve("\\broken.cur", loader.Bind()), std::nullopt);
    loader.Succeeds = true;
    EXPECT_EQ(table.Resolve("\\c.ico", loader.Bind()), 3);
    EXPECT_EQ(table.Resolve("\\A.CUR", loader.Bind()), 1);
    EXPECT_EQ(loader.Loads.size(), 5u); // the failed file was tried each time
    EXPECT_EQ(table.Entries().size(), 3u);
    EXPECT_EQ(table.Resolve("", loader.Bind()), std::nullopt);
    EXPECT_EQ(loader.Loads.size(), 5u);
}

TEST(CustomCursors, TheProcessTableIsShared) {
    EXPECT_EQ(&CustomCursors(), &CustomCursors());
    EXPECT_EQ(TCustomCursors::Key("x\\y.cur"), "\\X\\Y.CUR");
}

} // namespace
} // namespace brelvane
