#include "designer/DesignerFixture.h"
#include "designer/InitIconsForm.h"
#include "designer/TemplateLibrary.h"
#include "objects/records/AutoObject.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "project/PageStream.h"

#include <QLabel>
#include <QProgressBar>
#include <filesystem>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

TEST(InstallationRun, RendersEveryPreviewAnewAndCopiesThePlayerBesideTheSamples) {
    DesignerFixture f;
    const TTemplateLibrary library{f.Program + "/Templates"};
    TPageRecord page;
    page.Width = 200;
    page.Height = 100;
    fs::create_directories(library.PagesFolder(0));
    fs::create_directories(library.PagesFolder(5));
    ASSERT_TRUE(SavePageFile(library.PagesFolder(0) + "/One", page));
    ASSERT_TRUE(SavePageFile(library.PagesFolder(5) + "/Bye", page));
    // A stale preview is replaced.
    fs::create_directories(library.PagesFolder(0) + "/Icons");
    WriteText(PreviewPathOf(library.PagesFolder(0), "One"), "stale");
    TAutoObjects objects;
    AddObjectRecord(objects, okShape, 0, 0);
    fs::create_directories(library.GroupFolder("01Shapes"));
    ASSERT_TRUE(SaveObjectFile(library.GroupFolder("01Shapes") + "/Shape001", *objects.front()));
    WriteText(library.GroupFolder("01Shapes") + "/Broken", "\x02"); // a shape, cut short
    for (const char* folder : {"CDROM", "SampleCD0", "SampleCD12"})
        fs::create_directories(f.Program + "/" + folder);

    TInitIconsForm progress(nullptr);
    EXPECT_EQ(progress.windowTitle(), "Initialize System");
    const auto report = InstallationRun(f.Program + "/Brelvane", f.Program, &progress);
    EXPECT_EQ(report.PagePreviews, 2);
    EXPECT_EQ(report.ObjectPreviews, 1);
    EXPECT_EQ(fs::file_size(PreviewPathOf(library.PagesFolder(0), "One")), 36918u);
    EXPECT_EQ(fs::file_size(PreviewPathOf(library.PagesFolder(5), "Bye")), 36918u);
    EXPECT_EQ(fs::file_size(PreviewPathOf(library.GroupFolder("01Shapes"), "Shape001")), 9270u);
    EXPECT_FALSE(fs::exists(PreviewPathOf(library.GroupFolder("01Shapes"), "Broken")));
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u); // the broken object, once

    // The player: beside the program, in CDROM and in each sample folder there is.
    EXPECT_EQ(report.PlayerCopies, 4);
    for (const char* folder : {"", "/CDROM", "/SampleCD0", "/SampleCD12"}) {
        const auto copy = f.Program + folder + "/autorun.exe";
        EXPECT_EQ(ReadFileBytes(copy), ReadFileBytes(f.Program + "/Brelvane")) << folder;
        EXPECT_EQ(fs::status(copy).permissions() & fs::perms::all,
                  fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                      fs::perms::others_read | fs::perms::others_exec);
    }
    EXPECT_FALSE(fs::exists(f.Program + "/SampleCD1"));
    // The progress ends on the last sample folder, with the overall bar's maximum
    // the groups and five more.
    EXPECT_EQ(progress.Label1->text(), "Create Demos");
    EXPECT_EQ(progress.Label2->text(), "Demos -> SampleCD12");
    EXPECT_EQ(progress.ProgressBar2->maximum(), 12);
    EXPECT_EQ(progress.ProgressBar1->maximum(), 6);
}

TEST(InstallationRun, TheDesignerStartedWithItEndsWithoutAProject) {
    DesignerFixture f;
    EXPECT_FALSE(f.Form->Start({}, true, nullptr));
    EXPECT_TRUE(f.Boxes.Shown.empty());
    EXPECT_TRUE(fs::exists(f.Program + "/autorun.exe"));
    EXPECT_TRUE(f.Form->Project().BaseFolder.empty());
}

} // namespace
} // namespace brelvane::test
