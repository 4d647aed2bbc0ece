#include "objects/ObjectTestSupport.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/SimpleTextPayload.h"
#include "objects/records/TextPayload.h"
#include "storage/StringBlock.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

constexpr std::uint8_t kTextKinds[] = {okLabel, okLink,       okFadeLabel,
                                       okText,  okScrollText, okSimpleText};

TEST(TextKinds, AddedObjectsGetTheKindsNameCaptionAndSize) {
    TAutoObjects objects;
    for (const auto kind : kTextKinds) {
        auto* object = AddObjectRecord(objects, kind, 3, 4);
        ASSERT_NE(object, nullptr) << int{kind};
        const auto& info = ObjectKindInfo(kind);
        EXPECT_EQ(object->Props.Name, std::string(info.Name) + "1");
        EXPECT_EQ(object->Payload->Width, info.DefaultWidth);
        EXPECT_EQ(object->Payload->Height, info.DefaultHeight);
        if (auto* caption = object->Payload->CaptionText()) {
            EXPECT_EQ(*caption, info.DefaultCaption);
        }
    }
    EXPECT_NE(dynamic_cast<TLabelPayload*>(objects[0]->Payload.get()), nullptr);
    EXPECT_NE(dynamic_cast<TLinkPayload*>(objects[1]->Payload.get()), nullptr);
    EXPECT_NE(dynamic_cast<TFadeLabelPayload*>(objects[2]->Payload.get()), nullptr);
    EXPECT_NE(dynamic_cast<TTextPayload*>(objects[3]->Payload.get()), nullptr);
    EXPECT_NE(dynamic_cast<TScrollTextPayload*>(objects[4]->Payload.get()), nullptr);
    EXPECT_NE(dynamic_cast<TSimpleTextPayload*>(objects[5]->Payload.get()), nullptr);
    EXPECT_EQ(objects[5]->Payload->Height, 17);
    EXPECT_EQ(objects[1]->Payload->Width, 0); // a link sizes itself
}

TEST(TextKinds, ViewersShowCaptionsOrLineLists) {
    TLabelPayload label;
    EXPECT_EQ(label.ViewerText(), label.CaptionText());
    TSimpleTextPayload simple;
    EXPECT_EQ(simple.ViewerText(), &simple.Caption);
    TTextPayload text;
    EXPECT_EQ(text.ViewerText(), &text.Text.Lines);
    EXPECT_EQ(text.CaptionText(), nullptr);
    TScrollTextPayload scroll;
    EXPECT_EQ(scroll.ViewerText(), &scroll.Text.Lines);
    TLinkPayload link;
    EXPECT_EQ(link.ViewerText(), nullptr);
    EXPECT_EQ(link.CaptionText(), &link.Caption);
    TFadeLabelPayload fade;
    EXPECT_EQ(fade.ViewerText(), nullptr);
}

TEST(TextKinds, ObjectsRoundTripThroughTheObjectRecord) {
    TAutoObjects objects;
    for (const auto kind : kTextKinds) {
        auto& object = *AddObjectRecord(objects, kind, 10, 20);
        object.Payload->Hint = "hint of " + object.Props.Name;
        const auto bytes = ObjectBytes(object);
        TMemoryStream stream(bytes);
        TAutoObject back;
        ErrorCollector errors;
        ASSERT_TRUE(ReadObject(stream, back)) << int{kind};
        EXPECT_TRUE(errors.Messages().empty());
        EXPECT_EQ(stream.Remaining(), 0u);
        EXPECT_EQ(back.Kind, kind);
        EXPECT_EQ(back.Payload->Hint, object.Payload->Hint);
        EXPECT_EQ(back.Payload->Left, 10);
        EXPECT_EQ(ObjectBytes(back), bytes) << int{kind};
    }
}

TEST(TextKinds, WriteFailuresAreReportedOnceWithTheWritersCode) {
    // The first fixed field, then the String or Font block that follows it.
    ExpectWriteFails<TLabelPayload>(WriteLabelPayload, 0, kWriteLabelError);
    ExpectWriteFails<TLinkPayload>(WriteLinkPayload, 0, kWriteLinkError);
    ExpectWriteFails<TTextPayload>(WriteTextPayload, 0, kWriteTextError);
    ExpectWriteFails<TScrollTextPayload>(WriteScrollTextPayload, 0, kWriteScrollTextError);
    ExpectWriteFails<TFadeLabelPayload>(WriteFadeLabelPayload, 0, kWriteFadeLabelError);
    ExpectWriteFails<TSimpleTextPayload>(WriteSimpleTextPayload, 0, kWriteSimpleTextError);
    ExpectWriteFails<TSimpleTextPayload>(WriteSimpleTextPayload, 2, kWriteStringError);
    // Label: align, auto size, border, alignment and colour, then the
    // background's class string, whose own block reports.
    ExpectWriteFails<TLabelPayload>(WriteLabelPayload, 11, kWriteStringError);
}

} // namespace
} // namespace brelvane::test
