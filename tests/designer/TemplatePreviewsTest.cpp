#include "designer/TemplatePreviews.h"

#include "designer/DesignerFixture.h"
#include "designer/TemplateLibrary.h"
#include "objects/records/AutoObject.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "objects/records/ShapePayload.h"
#include "project/PageStream.h"
#include "storage/BmpCodec.h"

#include <filesystem>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

// A fixed page: a gradient background and two shapes, 246 × 182.
TPageRecord FixedPage() {
    TPageRecord page;
    page.PageName = page.Caption = "Fixed";
    page.PageKind = pkSubPage;
    page.Width = 246;
    page.Height = 182;
    page.BorderStyle = 0;
    page.BackColor = RGB(0x20, 0x30, 0x60);
    page.GradientColor = RGB(0xf0, 0xa0, 0x40);
    page.GradientStyle = 1;
    auto& block =
        static_cast<TShapePayload&>(*AddObjectRecord(page.Objects, okShape, 20, 30)->Payload);
    block.Width = 120;
    block.Height = 60;
    block.FillColor = RGB(0xff, 0xff, 0x00);
    block.BorderWidth = 3;
    auto& round =
        static_cast<TShapePayload&>(*AddObjectRecord(page.Objects, okShape, 150, 100)->Payload);
    round.Width = round.Height = 70;
    round.Shape = 2;
    round.FillColor = RGB(0x00, 0xa0, 0x40);
    return page;
}

struct PreviewFixture : DesignerFixture {
    std::string Folder = Root.File("lib");
    PreviewFixture() { fs::create_directories(Folder); }
    void PutPage(const std::string& name, const TPageRecord& page) {
        ASSERT_TRUE(SavePageFile(Folder + "/" + name, page));
    }
};

TEST(PagePreview, AFixedPageGivesTheCommittedBitmapPixelForPixel) {
    PreviewFixture f;
    f.PutPage("Fixed", FixedPage());
    TPreviewSource previews(TTemplateKind::Page);
    const QImage preview = previews.Preview(f.Folder, "Fixed");
    ASSERT_EQ(preview.size(), QSize(128, 96));
    const auto written = ReadFileBytes(PreviewPathOf(f.Folder, "Fixed"));
    ASSERT_EQ(written.size(), 36918u);
    const auto expected = std::string(BRELVANE_TEST_DATA) + "/templates/fixed-page-preview.bmp";
    EXPECT_EQ(written, ReadFileBytes(expected)) << "written: " << PreviewPathOf(f.Folder, "Fixed");
    // The page (246 × 182) sits at (2, 2) as 123 × 91 inside the grey outline.
    const auto pixel = [&preview](int x, int y) { return QColor(preview.pixel(x, y)); };
    EXPECT_EQ(pixel(0, 0), QColor(224, 224, 224));
    EXPECT_EQ(pixel(126, 50), QColor(224, 224, 224));
    EXPECT_EQ(pixel(50, 94), QColor(224, 224, 224));
    EXPECT_EQ(pixel(127, 50), QColor(Qt::white)); // last column and row unpainted
    EXPECT_EQ(pixel(50, 95), QColor(Qt::white));
    EXPECT_EQ(pixel(1, 1), QColor(Qt::white));
    EXPECT_NEAR(pixel(3, 3).blue(), 0x60, 2); // the page's top-left, its back colour
    EXPECT_EQ(pixel(125, 93), QColor(Qt::white));
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u);
}

TEST(PagePreview, AnExistingPreviewIsUsedWhateverItsAgeUntilItIsDeleted) {
    PreviewFixture f;
    f.PutPage("One", FixedPage());
    TPreviewSource previews(TTemplateKind::Page);
    const QImage first = previews.Preview(f.Folder, "One");
    EXPECT_EQ(previews.Rendered(), 1);
    // The template changes; its preview does not.
    auto other = FixedPage();
    other.BackColor = other.GradientColor = RGB(0xff, 0, 0);
    f.PutPage("One", other);
    EXPECT_EQ(previews.Preview(f.Folder, "One"), first);
    EXPECT_EQ(previews.Rendered(), 1);
    fs::remove(PreviewPathOf(f.Folder, "One"));
    const QImage fresh = previews.Preview(f.Folder, "One");
    EXPECT_EQ(previews.Rendered(), 2);
    EXPECT_NE(fresh, first);
    EXPECT_EQ(QColor(fresh.pixel(3, 3)), QColor(255, 0, 0));
    EXPECT_TRUE(fs::exists(PreviewPathOf(f.Folder, "One")));
}

TEST(PagePreview, ATemplateThatCannotBeReadGetsOneErrorAndNoPreviewFile) {
    PreviewFixture f;
    WriteText(f.Folder + "/Broken", "not a page");
    TPreviewSource previews(TTemplateKind::Page);
    EXPECT_TRUE(previews.Preview(f.Folder, "Broken").isNull());
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u) << ::testing::PrintToString(f.Boxes.Shown);
    EXPECT_NE(f.Boxes.Shown.front().find("(Error Code: "), std::string::npos)
        << f.Boxes.Shown.front();
    EXPECT_FALSE(fs::exists(PreviewPathOf(f.Folder, "Broken")));
    EXPECT_FALSE(UnreadablePreview(kPagePreviewSize).isNull());
}

TEST(ObjectPreview, ASmallObjectIsNotEnlargedAndSitsInTheMiddle) {
    PreviewFixture f;
    TAutoObjects objects;
    auto& shape = static_cast<TShapePayload&>(*AddObjectRecord(objects, okShape, 70, 90)->Payload);
    shape.Width = 40;
    shape.Height = 20;
    shape.FillColor = RGB(0xff, 0, 0);
    ASSERT_TRUE(SaveObjectFile(f.Folder + "/Shape001", *objects.front()));
    TPreviewSource previews(TTemplateKind::Object);
    const QImage preview = previews.Preview(f.Folder, "Shape001");
    ASSERT_EQ(preview.size(), QSize(64, 48));
    EXPECT_EQ(ReadFileBytes(PreviewPathOf(f.Folder, "Shape001")).size(), 9270u);
    // White around the 40 × 20 object at (12, 14); red inside it.
    EXPECT_EQ(QColor(preview.pixel(11, 24)), QColor(Qt::white));
    EXPECT_EQ(QColor(preview.pixel(52, 24)), QColor(Qt::white));
    EXPECT_EQ(QColor(preview.pixel(30, 13)), QColor(Qt::white));
    EXPECT_EQ(QColor(preview.pixel(30, 34)), QColor(Qt::white));
    EXPECT_EQ(QColor(preview.pixel(30, 24)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(preview.pixel(0, 0)), QColor(Qt::white)); // no outline

    WriteText(f.Folder + "/Broken", "\x01\x02");
    EXPECT_TRUE(previews.Preview(f.Folder, "Broken").isNull());
    EXPECT_FALSE(fs::exists(PreviewPathOf(f.Folder, "Broken")));
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u) << ::testing::PrintToString(f.Boxes.Shown);
}

} // namespace
} // namespace brelvane::test
