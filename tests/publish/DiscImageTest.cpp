#include "publish/DiscImage.h"

#include "publish/PublishTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

TEST(DiscImage, TheLabelIsTheTitleInVolumeCharacters) {
    EXPECT_EQ(DiscVolumeLabel("My Demo 2.0"), "MY_DEMO_2_0");
    EXPECT_EQ(DiscVolumeLabel(""), "AUTORUN");
    EXPECT_EQ(DiscVolumeLabel("caf\xc3\xa9"), "CAF__");
    EXPECT_EQ(DiscVolumeLabel(std::string(40, 'x')), std::string(32, 'X'));
}

TEST(DiscImage, ProgressFromImageAndBurnLines) {
    EXPECT_EQ(ProgressPercent("xorriso : UPDATE :  58.82% done"), 58.82);
    EXPECT_EQ(ProgressPercent("xorriso : UPDATE : Writing:  10256s   45.5%   fifo 100%  buf  50%"),
              45.5);
    EXPECT_EQ(ProgressPercent("xorriso : UPDATE :     434 files added in 1 seconds"), std::nullopt);
    EXPECT_EQ(ProgressPercent("Media summary: 0 sessions, 100% free"), std::nullopt);
    EXPECT_EQ(ProgressPercent("xorriso : UPDATE : 250% done"), std::nullopt);
}

TEST(DiscImage, WritesRockRidgeAndJolietWithoutTheProjectSource) {
    PublishedProject p;
    ErrorCollector errors;
    const auto image = p.Root.File("disc.iso");
    std::vector<std::string> command;
    const auto run = [&](const std::vector<std::string>& args) {
        command = args;
        return RunProgram(args);
    };
    ASSERT_EQ(WriteDiscImage(p.Base, p.Runtime, image, "Brelvane Demo", run), TPublishResult::Done);
    EXPECT_TRUE(errors.Messages().empty());
    ASSERT_FALSE(command.empty());
    EXPECT_EQ(command.front(), "xorriso");
    EXPECT_FALSE(fs::exists(p.Root.File(".disc.iso.publishing")));

    // Read back by a reader other than the writer.
    const auto q = "'" + image + "'";
    EXPECT_NE(OutputOf("isoinfo -d -i " + q).find("Volume id: BRELVANE_DEMO"), std::string::npos);
    const auto rockRidge = OutputOf("isoinfo -R -l -i " + q);
    EXPECT_EQ(rockRidge.find("AutoRunSource"), std::string::npos) << rockRidge;
    EXPECT_NE(rockRidge.find("-rwxr-xr-x"), std::string::npos) << rockRidge;
    EXPECT_NE(rockRidge.find("clip.txt"), std::string::npos) << rockRidge;
    EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /autorun.inf"),
              "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
    EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /autorun.tgt"), std::string(70000, 't'));
    const auto joliet = OutputOf("isoinfo -J -f -i " + q);
    EXPECT_NE(joliet.find("/Media/clip.txt"), std::string::npos) << joliet;
    EXPECT_EQ(joliet.find("AutoRunSource"), std::string::npos) << joliet;
    // The runtime beside the program comes along, modes kept.
    EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /AutoRunRuntime/lib/libQt6Core.so.6"),
              "library");
    const auto helper = OutputOf("isoinfo -R -l -i " + q);
    EXPECT_NE(helper.find("Directory listing of /AutoRunRuntime/libexec/"), std::string::npos);
}

TEST(DiscImage, FoldersWithEqualsSignsAndBackslashesInTheirNames) {
    TempFolder root;
    const auto base = root.File("a=b\\c");
    WriteText(base + "/autorun.tgt", "target");
    const auto runtime = root.File("x=y/AutoRunRuntime");
    WriteText(runtime + "/lib/libz.so.1", "zlib");
    ErrorCollector errors;
    const auto image = root.File("disc.iso");
    ASSERT_EQ(WriteDiscImage(base, runtime, image, "t", RunProgram), TPublishResult::Done);
    EXPECT_TRUE(errors.Messages().empty());
    const auto q = "'" + image + "'";
    EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /autorun.tgt"), "target");
    EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /AutoRunRuntime/lib/libz.so.1"), "zlib");
}

TEST(DiscImage, AFailedRunKeepsThePreviousImageAndReports) {
    PublishedProject p;
    const auto image = p.Root.File("disc.iso");
    WriteText(image, "previous image");
    struct Case {
        int Status;
        TPublishResult Result;
        std::size_t Errors;
    };
    for (const auto& c :
         {Case{3, TPublishResult::Failed, 1}, Case{kProgramNotStarted, TPublishResult::Failed, 1},
          Case{kProgramCancelled, TPublishResult::Cancelled, 0},
          // Success claimed without an image is a failure too.
          Case{0, TPublishResult::Failed, 1}}) {
        ErrorCollector errors;
        const auto run = [&](const std::vector<std::string>& args) {
            const auto output = std::find(args.begin(), args.end(), "-o");
            if (c.Status != 0) WriteText(*(output + 1), "partial");
            return c.Status;
        };
        EXPECT_EQ(WriteDiscImage(p.Base, p.Runtime, image, "t", run), c.Result) << c.Status;
        ASSERT_EQ(errors.Messages().size(), c.Errors) << c.Status;
        if (c.Errors) {
            EXPECT_NE(errors.Messages().front().find(image), std::string::npos);
            EXPECT_NE(errors.Messages().front().find("1103"), std::string::npos);
        }
        EXPECT_EQ(ReadFileText(image), "previous image");
        EXPECT_FALSE(fs::exists(p.Root.File(".disc.iso.publishing")));
    }
}

TEST(DiscImage, RefusesAnImageInsideTheBaseFolderOrAMissingRuntimeWithoutRunning) {
    PublishedProject p;
    bool ran = false;
    const auto run = [&](const std::vector<std::string>&) {
        ran = true;
        return 0;
    };
    const auto inside = p.Base + "/Media/disc.iso";
    const auto missing = p.Root.File("none");
    struct Case {
        std::string Runtime, Image;
        int Code;
        std::string Named;
    };
    for (const auto& c :
         {Case{p.Runtime, inside, kPublishInsideBaseError, inside},
          Case{missing, p.Root.File("disc.iso"), kPublishRuntimeMissingError, missing}}) {
        ErrorCollector errors;
        EXPECT_EQ(WriteDiscImage(p.Base, c.Runtime, c.Image, "t", run), TPublishResult::Failed);
        ExpectOneError(errors, c.Code);
        EXPECT_NE(errors.Messages().front().find(c.Named), std::string::npos);
        EXPECT_FALSE(fs::exists(c.Image));
    }
    EXPECT_FALSE(ran);
}

} // namespace
} // namespace brelvane::test
