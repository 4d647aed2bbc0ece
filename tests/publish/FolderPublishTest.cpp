#include "publish/FolderPublish.h"

#include "publish/PublishTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

TEST(FolderPublish, CopiesEverythingButTheProjectSourceWithModesKept) {
    PublishedProject p;
    ErrorCollector errors;
    const auto out = p.Root.File("Out");
    ASSERT_EQ(PublishFolder(p.Base, out, p.Runtime), TPublishResult::Done);
    EXPECT_TRUE(errors.Messages().empty());
    EXPECT_EQ(FilesBelow(out),
              (std::vector<std::string>{
                  "AutoRunRuntime", "AutoRunRuntime/lib", "AutoRunRuntime/lib/libQt6Core.so.6",
                  "AutoRunRuntime/libexec", "AutoRunRuntime/libexec/gst-plugin-scanner", "Media",
                  "Media/.hidden", "Media/clip.txt", "autorun", "autorun.inf", "autorun.tgt"}));
    EXPECT_EQ(ReadFileBytes(out + "/autorun.inf"), ReadFileBytes(p.Base + "/autorun.inf"));
    EXPECT_EQ(ReadFileText(out + "/autorun.tgt"), std::string(70000, 't'));
    EXPECT_EQ(ModeOf(out + "/autorun"), 0755u);
    EXPECT_EQ(ModeOf(out + "/Media/clip.txt"), 0600u);
    EXPECT_EQ(ReadFileText(out + "/AutoRunRuntime/lib/libQt6Core.so.6"), "library");
    EXPECT_EQ(ModeOf(out + "/AutoRunRuntime/libexec/gst-plugin-scanner"), 0755u);
}

TEST(FolderPublish, AMissingRuntimeIsRefusedBeforeAnythingIsWritten) {
    PublishedProject p;
    ErrorCollector errors;
    const auto out = p.Root.File("Out");
    const auto missing = p.Root.File("Elsewhere/AutoRunRuntime");
    EXPECT_EQ(PublishFolder(p.Base, out, missing), TPublishResult::Failed);
    ExpectOneError(errors, kPublishRuntimeMissingError);
    EXPECT_NE(errors.Messages().front().find(missing), std::string::npos);
    EXPECT_FALSE(fs::exists(out));
}

TEST(FolderPublish, ASecondRunReplacesFilesAndKeepsOthers) {
    PublishedProject p;
    ErrorCollector errors;
    const auto out = p.Root.File("Out");
    ASSERT_EQ(PublishFolder(p.Base, out, p.Runtime), TPublishResult::Done);
    WriteText(out + "/Media/extra.txt", "not the project's");
    WriteText(p.Base + "/Media/clip.txt", "clip v2");
    ASSERT_EQ(PublishFolder(p.Base + "/", out + "/", p.Runtime), TPublishResult::Done);
    EXPECT_EQ(ReadFileText(out + "/Media/clip.txt"), "clip v2");
    EXPECT_EQ(ReadFileText(out + "/Media/extra.txt"), "not the project's");
    // No temporary name is left behind.
    for (const auto& name : FilesBelow(out))
        EXPECT_EQ(name.find(".publishing"), std::string::npos) << name;
}

TEST(FolderPublish, RefusesADestinationInsideTheBaseFolder) {
    PublishedProject p;
    fs::create_symlink(p.Base + "/Media", p.Root.File("MediaLink"));
    for (const auto& inside :
         {p.Base, p.Base + "/", p.Base + "/Published/Disc", p.Root.File("MediaLink") + "/New",
          p.Root.File("CDROM/../CDROM/x")}) {
        ErrorCollector errors;
        EXPECT_EQ(PublishFolder(p.Base, inside, p.Runtime), TPublishResult::Failed) << inside;
        ExpectOneError(errors, kPublishInsideBaseError);
        EXPECT_NE(errors.Messages().front().find(inside), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(p.Base + "/Published"));
    EXPECT_FALSE(fs::exists(p.Base + "/Media/New"));
    // A sibling whose name starts like the base folder is outside it.
    ErrorCollector errors;
    EXPECT_EQ(PublishFolder(p.Base, p.Root.File("CDROM2"), p.Runtime), TPublishResult::Done);
}

TEST(FolderPublish, AFileThatCannotBeCopiedFailsNamingItsPath) {
    PublishedProject p;
    const auto out = p.Root.File("Out");
    // A folder where the published file must go.
    WriteText(out + "/autorun.tgt/keep.txt", "kept");
    ErrorCollector errors;
    EXPECT_EQ(PublishFolder(p.Base, out, p.Runtime), TPublishResult::Failed);
    ExpectOneError(errors, kPublishFileError);
    EXPECT_NE(errors.Messages().front().find(out + "/autorun.tgt"), std::string::npos);
    EXPECT_EQ(ReadFileText(out + "/autorun.tgt/keep.txt"), "kept");
    EXPECT_FALSE(fs::exists(out + "/.autorun.tgt.publishing"));
}

TEST(FolderPublish, ADanglingLinkInTheProjectFailsNamingIt) {
    PublishedProject p;
    fs::create_symlink(p.Root.File("gone.avi"), p.Base + "/Media/movie.avi");
    ErrorCollector errors;
    EXPECT_EQ(PublishFolder(p.Base, p.Root.File("Out"), p.Runtime), TPublishResult::Failed);
    ExpectOneError(errors, kPublishFileError);
    EXPECT_NE(errors.Messages().front().find("movie.avi"), std::string::npos);
}

TEST(FolderPublish, AMissingBaseFolderFails) {
    TempFolder root;
    ErrorCollector errors;
    EXPECT_EQ(PublishFolder(root.File("none"), root.File("Out"), root.Path()),
              TPublishResult::Failed);
    ExpectOneError(errors, kPublishFolderError);
    EXPECT_FALSE(fs::exists(root.File("Out")));
}

TEST(FolderPublish, ReportsProgressAndStopsWhenCancelled) {
    PublishedProject p;
    fs::create_directory_symlink(p.Base, p.Base + "/Media/loop");
    ErrorCollector errors;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
    const auto all = [&](std::uint64_t done, std::uint64_t total) {
        calls.emplace_back(done, total);
        return true;
    };
    ASSERT_EQ(PublishFolder(p.Base, p.Root.File("Out"), p.Runtime, all), TPublishResult::Done);
    ASSERT_FALSE(calls.empty());
    // The link back to the base folder is copied as a folder once, not forever.
    // The base folder's files, then the runtime's.
    const std::uint64_t total = 70000 + 10 + 47 + 4 + 6 + 7 + 6;
    EXPECT_EQ(calls.back(), std::make_pair(total, total));
    for (std::size_t i = 1; i < calls.size(); ++i)
        EXPECT_LE(calls[i - 1].first, calls[i].first);

    int asked = 0;
    const auto cancelSecond = [&](std::uint64_t, std::uint64_t) { return ++asked < 2; };
    EXPECT_EQ(PublishFolder(p.Base, p.Root.File("Cancelled"), p.Runtime, cancelSecond),
              TPublishResult::Cancelled);
    EXPECT_TRUE(errors.Messages().empty());
    EXPECT_EQ(FilesBelow(p.Root.File("Cancelled")), std::vector<std::string>{"Media"});
}

} // namespace
} // namespace brelvane::test
