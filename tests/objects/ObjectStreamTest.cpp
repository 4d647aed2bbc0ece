#include "objects/records/ObjectStream.h"

#include "objects/ObjectTestSupport.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/CommandStream.h"
#include "objects/records/MenuItem.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// Two sub-items, the second with one of its own.
TMenuItem MenuTree() {
    TMenuItem root;
    root.Caption = "File";
    root.Hint = "OPEN=\\readme.txt";
    root.ShortCut = 0x4f;
    root.RadioItem = true;
    root.GroupIndex = 3;
    root.Enabled = false;
    root.Default = true;
    root.Checked = true;
    root.AutoCheck = true;
    root.Bitmap = SamplePicture(TPictureKind::Bitmap);
    TMenuItem first;
    first.Caption = "-";
    TMenuItem second;
    second.Caption = "More";
    TMenuItem leaf;
    leaf.Caption = "Leaf";
    leaf.Hint = "EXIT";
    second.Items.push_back(leaf);
    root.Items = {first, second};
    return root;
}

std::unique_ptr<TAutoObject> ShapeObject() {
    auto shape = std::make_unique<TShapePayload>();
    shape->Shape = 2;
    shape->Width = 105;
    shape->Height = 105;
    auto object = MakeObject(okShape, "Shape1", std::move(shape));
    object->GraphicComment = SamplePicture(TPictureKind::Png);
    object->Props.Comment = "round";
    return object;
}

TEST(MenuItems, TreeOfDepthThreeReadsBackIdentically) {
    const auto root = MenuTree();
    const auto bytes = MenuItemBytes(root);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), StringBytes("File"));
    TMemoryStream stream(bytes);
    TMenuItem back;
    ASSERT_TRUE(ReadMenuItem(stream, back));
    EXPECT_EQ(back, root);
    EXPECT_TRUE(back.Items[0].IsSeparator());
    EXPECT_EQ(back.Items[1].Items[0].Hint, "EXIT");
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(MenuItems, NestingBeyondTheBoundIsOneBoxNotAStackOverflow) {
    for (const int depth : {kMaxMenuDepth + 1, 200000}) {
        TMemoryStream stream(NestedMenuBytes(depth));
        ErrorCollector errors;
        TMenuItem back;
        EXPECT_FALSE(ReadMenuItem(stream, back));
        ExpectOneError(errors, kReadMenuItemError);
    }
    // Exactly at the bound is still a menu.
    auto bytes = NestedMenuBytes(kMaxMenuDepth);
    const auto last = Int32Bytes(0);
    std::copy(last.begin(), last.end(), bytes.end() - 4);
    TMemoryStream stream(bytes);
    TMenuItem back;
    EXPECT_TRUE(ReadMenuItem(stream, back));
}

TEST(MenuItems, NegativeChildCountIsDamage) {
    auto bytes = NestedMenuBytes(1);
    const auto negative = Int32Bytes(-5);
    std::copy(negative.begin(), negative.end(), bytes.end() - 4);
    ExpectReadFails<TMenuItem>([](TStream& s, TMenuItem& i) { return ReadMenuItem(s, i); }, bytes,
                               kReadMenuItemError);
}

TEST(ObjectRecord, WritesMarkerPopupKindPropertiesPayloadAndComment) {
    auto object = ShapeObject();
    object->PopupMenu.push_back(MenuTree());
    const auto bytes = ObjectBytes(*object);
    EXPECT_EQ(bytes, Concat({U8Bytes(127), Int32Bytes(1), MenuItemBytes(MenuTree()),
                             U8Bytes(okShape), CommandBytes(object->Props),
                             Stored(WriteShapePayload,
                                    static_cast<const TShapePayload&>(*object->Payload)),
                             PictureBytes(object->GraphicComment)}));

    TMemoryStream stream(bytes);
    TAutoObject back;
    ErrorCollector errors;
    ASSERT_TRUE(ReadObject(stream, back));
    EXPECT_TRUE(errors.Messages().empty());
    EXPECT_EQ(back.Kind, okShape);
    EXPECT_EQ(back.Props, object->Props);
    EXPECT_EQ(back.PopupMenu, object->PopupMenu);
    EXPECT_EQ(back.GraphicComment, object->GraphicComment);
    EXPECT_EQ(static_cast<const TShapePayload&>(*back.Payload).Shape, 2);
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(ObjectRecord, FirstByteOtherThanTheMarkerIsTheKind) {
    TCommand props;
    props.Name = "Button1";
    const TButtonPayload payload;
    const auto bytes = Concat({U8Bytes(okButton), CommandBytes(props),
                               Stored(WriteButtonPayload, payload), PictureBytes({})});
    TMemoryStream stream(bytes);
    TAutoObject back;
    back.PopupMenu.push_back(MenuTree());
    ASSERT_TRUE(ReadObject(stream, back));
    EXPECT_EQ(back.Kind, okButton);
    EXPECT_TRUE(back.PopupMenu.empty());
    EXPECT_EQ(back.Props.Name, "Button1");
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(ObjectRecord, EmptyPackedStringBMeansNoCommentPicture) {
    const auto command = EmptyCommandBytes();
    TMemoryStream stream(Concat({U8Bytes(127), Int32Bytes(0), U8Bytes(okButton), command,
                                 Stored(WriteButtonPayload, TButtonPayload{})}));
    TAutoObject back;
    back.GraphicComment = SamplePicture(TPictureKind::Png);
    ASSERT_TRUE(ReadObject(stream, back));
    EXPECT_TRUE(back.GraphicComment.Empty());
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(ObjectRecord, KindOutsideTheTableFailsWithoutABox) {
    ErrorCollector errors;
    for (const Bytes& bytes : {Concat({U8Bytes(127), Int32Bytes(0), U8Bytes(27)}),
                               Concat({U8Bytes(127), Int32Bytes(0), U8Bytes(127)}), Bytes{200}}) {
        TMemoryStream stream(bytes);
        TAutoObject back;
        EXPECT_FALSE(ReadObject(stream, back));
        EXPECT_EQ(back.Payload, nullptr);
    }
    auto object = ShapeObject();
    object->Kind = 27;
    TMemoryStream out;
    EXPECT_FALSE(WriteObject(out, *object));
    EXPECT_EQ(out.Size(), 0u);
    EXPECT_TRUE(errors.Messages().empty()) << ::testing::PrintToString(errors.Messages());
}

TEST(ObjectRecord, AnObjectNoWriterOfItsKindCanStoreIsRefusedWithOneBox) {
    ErrorCollector errors;
    auto object = ObjectWithAForeignPayload("Object1");
    TMemoryStream out;
    EXPECT_FALSE(WriteObject(out, *object));
    ExpectOneError(errors, kWriteObjectError);
}

TEST(ObjectRecord, DamageInsideIsReportedOnceByTheInnermostBlock) {
    auto object = ShapeObject();
    const auto bytes = ObjectBytes(*object);
    // Cut in the pop-up count, in the kind byte and in the payload's fields.
    const std::vector<std::pair<std::size_t, int>> cuts = {{3, kReadObjectError},
                                                           {5, kReadObjectError}};
    for (const auto& [size, code] : cuts) {
        TMemoryStream stream(Bytes(bytes.begin(), bytes.begin() + size));
        ErrorCollector errors;
        TAutoObject back;
        EXPECT_FALSE(ReadObject(stream, back));
        ExpectOneError(errors, code);
    }
    const auto payloadEnd = bytes.size() - PictureBytes(object->GraphicComment).size();
    TMemoryStream stream(Bytes(bytes.begin(), bytes.begin() + payloadEnd - 2));
    ErrorCollector errors;
    TAutoObject back;
    EXPECT_FALSE(ReadObject(stream, back));
    ExpectOneError(errors, kReadShapeError);

    // A pop-up menu nested too deep stops at the menu item.
    TMemoryStream deep(Concat({U8Bytes(127), Int32Bytes(1), NestedMenuBytes(5000)}));
    errors.Clear();
    EXPECT_FALSE(ReadObject(deep, back));
    ExpectOneError(errors, kReadMenuItemError);
}

TEST(ObjectFile, SavesAndLoadsOneRecord) {
    TempFolder folder;
    const auto path = folder.File("shape.obj");
    auto object = ShapeObject();
    ASSERT_TRUE(SaveObjectFile(path, *object));
    EXPECT_EQ(ReadFileBytes(path), ObjectBytes(*object));
    const auto back = LoadObjectFile(path);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Props, object->Props);
    EXPECT_EQ(back->GraphicComment, object->GraphicComment);
}

TEST(ObjectFile, FailuresGiveNoObjectAndNoBoxOfTheirOwn) {
    TempFolder folder;
    ErrorCollector errors;
    EXPECT_EQ(LoadObjectFile(folder.File("missing.obj")), nullptr);
    EXPECT_FALSE(SaveObjectFile(folder.File("no/such/folder/x.obj"), *ShapeObject()));
    EXPECT_TRUE(errors.Messages().empty()) << ::testing::PrintToString(errors.Messages());

    // A damaged file: the read reports, the loader adds nothing.
    WriteFileBytes(folder.File("cut.obj"), {127, 0, 0, 0, 0, okShape, 1});
    EXPECT_EQ(LoadObjectFile(folder.File("cut.obj")), nullptr);
    EXPECT_EQ(errors.Messages().size(), 1u);
}

} // namespace
} // namespace brelvane::test
