#include "objects/ObjectTestSupport.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(ObjectKinds, NamesComeFromTheLowSevenBits) {
    EXPECT_EQ(KindName(okButton), "Button");
    EXPECT_EQ(KindName(okSimpleText), "SimpleText");
    EXPECT_EQ(KindName(okShellListView), "ShellListView");
    EXPECT_EQ(KindName(0x80 | okShape), "Shape");
    EXPECT_EQ(KindName(27), "");
    EXPECT_EQ(KindName(127), "");
    EXPECT_EQ(KindName(0xff), "");
    EXPECT_FALSE(IsObjectKind(27));
    EXPECT_EQ(ObjectKindInfo(okExplorer).ClassName, "TAuExplorer");
    EXPECT_EQ(ObjectKindInfo(okScrollText).DefaultCaption, "New Scroll Text");
    EXPECT_EQ(ObjectKindInfo(okDropDownList).DefaultWidth, 145);
    EXPECT_EQ(ObjectKindInfo(okCheckBox).DefaultHeight, 17);
}

TEST(NewObjectName, FillsTheFirstGap) {
    TAutoObjects objects;
    Add(objects, MakeObject(okButton, "Button1"));
    Add(objects, MakeObject(okButton, "Button3"));
    EXPECT_EQ(NewObjectName(objects, okButton), "Button2");
    EXPECT_EQ(NewObjectName(objects, okImage), "Image1");
    // Names are compared exactly.
    Add(objects, MakeObject(okButton, "button2"));
    EXPECT_EQ(NewObjectName(objects, okButton), "Button2");
}

TEST(NewObjectName, DeletedNameIsReused) {
    TAutoObjects objects;
    for (int i = 0; i < 3; ++i)
        Add(objects, MakeObject(okLabel, NewObjectName(objects, okLabel)));
    EXPECT_EQ(objects[0]->Props.Name, "Label1");
    EXPECT_EQ(objects[1]->Props.Name, "Label2");
    EXPECT_EQ(objects[2]->Props.Name, "Label3");
    objects.erase(objects.begin() + 1);
    EXPECT_EQ(NewObjectName(objects, okLabel), "Label2");
}

TEST(AddObjectRecord, DefaultsCaptionSizeAndSelection) {
    TAutoObjects objects;
    auto* first = AddObjectRecord(objects, okButton, 5, 6);
    ASSERT_NE(first, nullptr);
    first->Selected = true;
    auto* second = AddObjectRecord(objects, okImageButton, 7, 8);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(first->Selected);
    EXPECT_EQ(first->Props.Name, "Button1");
    EXPECT_EQ(second->Props.Name, "ImageButton1");
    EXPECT_EQ(*first->Payload->CaptionText(), "New Button");
    EXPECT_EQ(*second->Payload->CaptionText(), "New ImageButton");
    EXPECT_EQ(first->Payload->Left, 5);
    EXPECT_EQ(first->Payload->Top, 6);
    EXPECT_EQ(first->Payload->Width, 105);
    EXPECT_EQ(first->Payload->Height, 25);
    EXPECT_EQ(first->Props.SelectForOpenRunWait, " ");
    EXPECT_TRUE(first->Props.Visible);

    auto* shape = AddObjectRecord(objects, okShape, 0, 0);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Payload->CaptionText(), nullptr);
    EXPECT_EQ(shape->Payload->Height, 105);

    // A kind outside the table is not added.
    EXPECT_EQ(AddObjectRecord(objects, 27, 0, 0), nullptr);
    EXPECT_EQ(objects.size(), 3u);
}

TEST(ObjectControl, BackReferenceAndAppliedFlags) {
    std::vector<std::string> log;
    auto object = MakeObject(okShape, "Shape1");
    object->SetControl(std::make_unique<RecordingControl>(log));
    EXPECT_EQ(FindObjectOf(object->Control.get()), object.get());
    EXPECT_EQ(PropsOf(object->Control.get()), &object->Props);
    EXPECT_EQ(FindObjectOf(nullptr), nullptr);
    EXPECT_EQ(PropsOf(nullptr), nullptr);
    RecordingControl orphan(log);
    EXPECT_EQ(PropsOf(&orphan), nullptr);

    object->Props.Visible = false;
    ApplyVisibility(*object);
    ApplyEnabled(*object);
    object->Props.Enabled = false;
    ApplyEnabled(*object);
    EXPECT_EQ(log,
              (std::vector<std::string>{"Shape1 hidden", "Shape1 enabled", "Shape1 disabled"}));

    auto bare = MakeObject(okShape, "Shape2");
    ApplyVisibility(*bare); // no control: nothing to do, nothing to crash
    ApplyEnabled(*bare);
    EXPECT_EQ(log.size(), 3u);
}

TEST(Payload, CloneKeepsTheKindsFields) {
    TButtonPayload button;
    button.Caption = "Go";
    button.ButtonType = btOK;
    const auto copy = button.Clone();
    EXPECT_EQ(*copy->CaptionText(), "Go");
    EXPECT_EQ(copy->ButtonDuty(), btOK);
    EXPECT_EQ(TShapePayload{}.ButtonDuty(), 0);
}

} // namespace
} // namespace brelvane::test
