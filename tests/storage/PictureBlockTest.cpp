#include "storage/PictureBlock.h"

#include "StorageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

Bytes PictureBytes(std::string_view className, const Bytes& data) {
    return test::Concat({test::StringBytes(className),
                         test::Int32Bytes(static_cast<std::int32_t>(data.size())), data});
}

class PictureKinds : public ::testing::TestWithParam<TPictureKind> {};

TEST_P(PictureKinds, RoundTripsByteIdentical) {
    const TPicture picture = test::SamplePicture(GetParam());
    TMemoryStream stream;
    ASSERT_TRUE(WritePicture(stream, picture));
    const Bytes stored = stream.Bytes();
    EXPECT_EQ(stored, PictureBytes(PictureClassName(GetParam()), picture.Data));

    stream.Seek(0);
    TPicture back;
    ASSERT_TRUE(ReadPicture(stream, back));
    EXPECT_EQ(back, picture);
    TMemoryStream again;
    ASSERT_TRUE(WritePicture(again, back));
    EXPECT_EQ(again.Bytes(), stored);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, PictureKinds,
                         ::testing::Values(TPictureKind::Bitmap, TPictureKind::Jpeg,
                                           TPictureKind::Gif, TPictureKind::Png, TPictureKind::Icon,
                                           TPictureKind::Metafile));

TEST(PictureBlock, EmptyHolderIsFourZeroBytes) {
    TMemoryStream stream;
    ASSERT_TRUE(WritePicture(stream, TPicture{}));
    EXPECT_EQ(stream.Bytes(), (Bytes{0, 0, 0, 0}));

    stream.Seek(0);
    TPicture back = test::SamplePicture(TPictureKind::Gif);
    ASSERT_TRUE(ReadPicture(stream, back));
    EXPECT_TRUE(back.Empty());
    EXPECT_TRUE(back.Data.empty());
    EXPECT_EQ(stream.Position(), 4u);
}

TEST(PictureBlock, ClassNamesAreComparedWithoutCase) {
    const TPicture bitmap = test::SamplePicture(TPictureKind::Bitmap);
    TMemoryStream stream(PictureBytes("tbitmap", bitmap.Data));
    TPicture back;
    ASSERT_TRUE(ReadPicture(stream, back));
    EXPECT_EQ(back.Kind, TPictureKind::Bitmap);
    EXPECT_EQ(back.Data, bitmap.Data);
}

TEST(PictureBlock, PngClassSpellingsReadAsPngWithTheStoredData) {
    // A PNG other than the prototype, so the prototype's own bytes cannot pass.
    Bytes png = PngPrototype().Data;
    png.push_back(0);
    for (const char* name : {"TPngObject", "TPNGObject", "tpngobject"}) {
        TMemoryStream stream(PictureBytes(name, png));
        TPicture back;
        ASSERT_TRUE(ReadPicture(stream, back)) << name;
        EXPECT_EQ(back.Kind, TPictureKind::Png) << name;
        EXPECT_EQ(back.Data, png) << name;
    }
    TMemoryStream out;
    ASSERT_TRUE(WritePicture(out, TPicture{TPictureKind::Png, png}));
    EXPECT_EQ(out.Bytes(), PictureBytes("TPNGObject", png));
}

TEST(PictureBlock, UnknownClassFailsWith1056) {
    TMemoryStream stream(PictureBytes("TWicImage", {1, 2, 3}));
    ErrorCollector errors;
    TPicture back = test::SamplePicture(TPictureKind::Icon);
    EXPECT_FALSE(ReadPicture(stream, back));
    test::ExpectOneError(errors, 1056);
    // The target was emptied before the read.
    EXPECT_TRUE(back.Empty());
}

TEST(PictureBlock, DamagedSignatureFailsWith1056) {
    for (auto kind : {TPictureKind::Bitmap, TPictureKind::Png, TPictureKind::Gif,
                      TPictureKind::Jpeg, TPictureKind::Icon, TPictureKind::Metafile}) {
        Bytes data = test::SamplePicture(kind).Data;
        data[1] ^= 0x5a;
        TMemoryStream stream(PictureBytes(PictureClassName(kind), data));
        ErrorCollector errors;
        TPicture back;
        EXPECT_FALSE(ReadPicture(stream, back)) << PictureClassName(kind);
        test::ExpectOneError(errors, 1056);
    }
}

TEST(PictureBlock, SizeBeyondTheStreamOrNegativeFailsWith1056) {
    for (std::int32_t size : {-1, 100, 0x7fffffff}) {
        TMemoryStream stream(
            test::Concat({test::StringBytes("TBitmap"), test::Int32Bytes(size), {'B', 'M'}}));
        ErrorCollector errors;
        TPicture back;
        EXPECT_FALSE(ReadPicture(stream, back));
        test::ExpectOneError(errors, 1056);
    }
}

TEST(PictureBlock, BadClassStringReportsOnlyTheStringError) {
    test::ExpectReadFails<TPicture>(ReadPicture, test::Int32Bytes(99), 1054);
}

TEST(PictureKindNames, CaptionsAsShownToTheAuthor) {
    EXPECT_EQ(PictureKindCaption(test::SamplePicture(TPictureKind::Bitmap)), "Bitmap");
    EXPECT_EQ(PictureKindCaption(test::SamplePicture(TPictureKind::Jpeg)), "JPEGImage");
    EXPECT_EQ(PictureKindCaption(test::SamplePicture(TPictureKind::Png)), "PNGImage");
    EXPECT_EQ(PictureKindCaption(TPicture{}), "None");
}

TEST(PictureKindNames, LookUpByClassString) {
    EXPECT_EQ(PictureKindByName("TGIFImage"), TPictureKind::Gif);
    EXPECT_EQ(PictureKindByName("tjpegimage"), TPictureKind::Jpeg);
    EXPECT_EQ(PictureKindByName("TIcon"), TPictureKind::Icon);
    EXPECT_EQ(PictureKindByName("TMETAFILE"), TPictureKind::Metafile);
    EXPECT_EQ(PictureKindByName("TBitmap2"), std::nullopt);
    EXPECT_EQ(PictureKindByName(""), std::nullopt);
}

} // namespace
} // namespace brelvane
