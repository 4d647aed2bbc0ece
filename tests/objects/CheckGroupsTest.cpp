#include "objects/records/CheckGroups.h"

#include "objects/ObjectTestSupport.h"
#include "objects/records/ObjectKinds.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TAutoObject& Grouped(TAutoObjects& objects, std::uint8_t kind, const std::string& name,
                     const std::string& group, bool checked, bool checkStyle = true) {
    auto& object = Add(objects, MakeObject(kind, name));
    object.Props.GroupName = group;
    object.Props.CheckStyleInGroup = checkStyle;
    object.Props.Checked = checked;
    return object;
}

TEST(CheckGroups, AfterLoadTheLaterCheckedImageButtonWins) {
    TAutoObjects objects;
    std::vector<std::string> log;
    auto& first = Grouped(objects, okImageButton, "IB1", "Tabs", true);
    auto& second = Grouped(objects, okImageButton, "IB2", "Tabs", true);
    first.SetControl(std::make_unique<RecordingControl>(log));
    second.SetControl(std::make_unique<RecordingControl>(log));
    ApplyCheckGroupsAfterLoad(objects);
    EXPECT_FALSE(first.Props.Checked);
    EXPECT_TRUE(second.Props.Checked);
    // The earlier one is repainted to show unchecked.
    EXPECT_NE(std::find(log.begin(), log.end(), "IB1 refresh"), log.end());
}

TEST(CheckGroups, ClickChecksOnlyWithinKindAndExactGroup) {
    TAutoObjects objects;
    auto& button = Grouped(objects, okButton, "B1", "Tabs", true);
    auto& image = Grouped(objects, okImage, "Img1", "Tabs", true);
    auto& otherGroup = Grouped(objects, okImageButton, "IB0", "tabs", true);
    auto& free = Grouped(objects, okImageButton, "IB1", "Tabs", true, false);
    auto& peer = Grouped(objects, okImageButton, "IB2", "Tabs", true);
    auto& clicked = Grouped(objects, okImageButton, "IB3", "Tabs", false);
    ApplyCheckGroupClick(objects, clicked);
    EXPECT_TRUE(clicked.Props.Checked);
    EXPECT_FALSE(peer.Props.Checked);
    EXPECT_TRUE(button.Props.Checked);     // a Button is not an image button
    EXPECT_TRUE(image.Props.Checked);      // another kind
    EXPECT_TRUE(otherGroup.Props.Checked); // names compare exactly
    EXPECT_TRUE(free.Props.Checked);       // not check style
}

TEST(CheckGroups, ButtonClickOrUngroupedObjectChangesNothing) {
    TAutoObjects objects;
    auto& imageButton = Grouped(objects, okImageButton, "IB1", "Tabs", true);
    auto& button = Grouped(objects, okButton, "B1", "Tabs", false);
    ApplyCheckGroupClick(objects, button);
    EXPECT_FALSE(button.Props.Checked);
    EXPECT_TRUE(imageButton.Props.Checked);

    auto& loose = Grouped(objects, okSimpleText, "ST1", "", false);
    auto& looseToo = Grouped(objects, okSimpleText, "ST2", "", true);
    ApplyCheckGroupClick(objects, loose);
    EXPECT_FALSE(loose.Props.Checked);
    EXPECT_TRUE(looseToo.Props.Checked);
}

TEST(CheckGroups, SimpleTextsAndImagesFormGroupsToo) {
    TAutoObjects objects;
    auto& a = Grouped(objects, okSimpleText, "ST1", "G", true);
    auto& b = Grouped(objects, okSimpleText, "ST2", "G", false);
    auto& c = Grouped(objects, okImage, "I1", "G", true);
    auto& d = Grouped(objects, okImage, "I2", "G", true);
    ApplyCheckGroupClick(objects, b);
    EXPECT_FALSE(a.Props.Checked);
    EXPECT_TRUE(b.Props.Checked);
    ApplyCheckGroupsAfterLoad(objects);
    EXPECT_FALSE(c.Props.Checked);
    EXPECT_TRUE(d.Props.Checked);
}

TEST(ButtonGroups, NumberedByFirstAppearanceOfAnyObject) {
    TAutoObjects objects;
    Grouped(objects, okImage, "I1", "Pictures", false);
    auto& b1 = Grouped(objects, okButton, "B1", "Tabs", true);
    Grouped(objects, okButton, "B2", "", false);
    auto& b3 = Grouped(objects, okButton, "B3", "Pictures", false);
    Grouped(objects, okButton, "B4", "Tabs", false, false);
    auto& b5 = Grouped(objects, okButton, "B5", "Tabs", false);
    Grouped(objects, okImageButton, "IB1", "Tabs", false);
    const auto groups = ButtonGroups(objects);
    const std::vector<std::pair<TAutoObject*, int>> expected = {{&b1, 2}, {&b3, 1}, {&b5, 2}};
    EXPECT_EQ(groups, expected);
}

} // namespace
} // namespace brelvane::test
