#include "objects/records/SlideShowSequence.h"

#include "storage/StorageTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace brelvane::test {
namespace {

TSlideSequence Sequence(std::vector<std::string> pictures) {
    TSlideSequence sequence;
    sequence.Pictures = std::move(pictures);
    return sequence;
}

// Plans and advances as the show does; returns the indices shown.
std::vector<int> ShowAll(TSlideSequence& sequence, TSlideShowPayload& show, int times) {
    std::vector<int> shown;
    for (int i = 0; i < times && show.Play; ++i) {
        const auto plan = sequence.PlanNext(show);
        if (!plan) break;
        shown.push_back(plan->Index);
        sequence.Advance(*plan, show);
    }
    return shown;
}

TEST(SlidePictures, MatchesTheExtensionsInAnyCaseAndSortsWithoutRegardToCase) {
    TempFolder folder;
    for (const char* name : {"b.PNG", "a.jpeg", "C.Jpg", "d.bmp", "e.emf", "f.WMF", "g.gif",
                             "A.jpeg", "notes.txt", "png", "h.png.bak"})
        WriteFileBytes(folder.File(name), {1});
    std::filesystem::create_directory(folder.File("dir.png"));
    // Where names are blind to case (Windows) "A.jpeg" went into the file "a.jpeg".
    std::vector<std::string> expected{"A.jpeg", "a.jpeg", "b.PNG", "C.Jpg",
                                      "d.bmp",  "e.emf",  "f.WMF", "g.gif"};
    if (std::filesystem::exists(folder.File("B.png"))) expected.erase(expected.begin());
    EXPECT_EQ(ListSlidePictures(folder.Path()), expected);
    EXPECT_TRUE(ListSlidePictures(folder.File("missing")).empty());
}

TEST(SlidePictures, ConfigurationFileIsFoundInAnyCase) {
    TempFolder folder;
    EXPECT_EQ(FindSlideShowConfig(folder.Path()), "");
    WriteFileBytes(folder.File("SLIDESHOWEX.CFG"), {1});
    EXPECT_EQ(FindSlideShowConfig(folder.Path()), folder.File("SLIDESHOWEX.CFG"));
}

TEST(SlideSequence, ObjectSettingsWithStepAndDelayAsSixteenBitsThenClamped) {
    auto sequence = Sequence({"a.png"});
    TSlideShowPayload show;
    show.Settings.Style = 7;
    show.Settings.Step = 0x10005; // 5 as 16 bits
    show.Settings.StepDelay = 70000;
    show.Settings.Interval = -10;
    show.Settings.ImageStyle = 2;
    show.Settings.BackColor = 0x123456;
    auto plan = sequence.PlanNext(show);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->File, "a.png");
    EXPECT_EQ(plan->Style, 7);
    EXPECT_EQ(plan->Step, 5);
    EXPECT_EQ(plan->StepDelay, 70000 - 65536);
    EXPECT_EQ(plan->Interval, 0);
    EXPECT_EQ(plan->ImageStyle, 2);
    EXPECT_EQ(plan->BackColor, 0x123456);
    show.Settings.Step = 0;
    EXPECT_EQ(sequence.PlanNext(show)->Step, 1);
    show.Settings.Step = 150;
    EXPECT_EQ(sequence.PlanNext(show)->Step, 100);
    show.Settings.Step = 0x10000; // 0 as 16 bits, then 1
    EXPECT_EQ(sequence.PlanNext(show)->Step, 1);
}

TEST(SlideSequence, StyleAboveTheTableIsIgnoredAndRandomStylesRepeatWithTheSeed) {
    auto sequence = Sequence({"a.png"});
    TSlideShowPayload show;
    show.Settings.Style = 151;
    EXPECT_EQ(sequence.PlanNext(show)->Style, TSlideSequence::kInitialStyle);
    show.Settings.Style = 20;
    EXPECT_EQ(sequence.PlanNext(show)->Style, 20);
    show.Settings.Style = 400;
    EXPECT_EQ(sequence.PlanNext(show)->Style, 20);

    show.Settings.Style = 0;
    const auto draw = [&](std::uint32_t seed) {
        sequence.Seed(seed);
        std::vector<int> styles;
        for (int i = 0; i < 200; ++i)
            styles.push_back(sequence.PlanNext(show)->Style);
        return styles;
    };
    const auto first = draw(42);
    EXPECT_EQ(draw(42), first);
    EXPECT_NE(draw(43), first);
    const std::set<int> distinct(first.begin(), first.end());
    EXPECT_GT(distinct.size(), 50u);
    EXPECT_GE(*distinct.begin(), 1);
    EXPECT_LE(*distinct.rbegin(), 150);
}

TEST(SlideSequence, EntriesMatchTheFileNameExactlyAndStyleZeroKeepsTheObjectsStyle) {
    auto sequence = Sequence({"a.png", "b.png"});
    TPSImageEntry a;
    a.FileName = "a.png";
    a.Style = 0;
    a.Step = 25;
    a.StepDelay = 10;
    a.Interval = 500;
    a.ImageStyle = 4;
    a.BackColor = 0xFF;
    TPSImageEntry b = a;
    b.FileName = "B.png";
    b.Style = 9;
    sequence.Entries = {a, b};
    TSlideShowPayload show;
    show.Settings.Style = 33;
    const auto first = sequence.PlanNext(show);
    EXPECT_EQ(first->Style, 33);
    EXPECT_EQ(first->Step, 25);
    EXPECT_EQ(first->StepDelay, 10);
    EXPECT_EQ(first->Interval, 500);
    EXPECT_EQ(first->ImageStyle, 4);
    // The frame is filled with the object's colour, not the entry's.
    EXPECT_EQ(first->BackColor, 0);
    sequence.Advance(*first, show);
    const auto second = sequence.PlanNext(show);
    EXPECT_EQ(second->File, "b.png");
    EXPECT_EQ(second->Style, 33);
    EXPECT_EQ(second->Step, 4);
    EXPECT_EQ(second->Interval, 2000);
}

TEST(SlideSequence, WithoutLoopEachPictureOnceThenPlayIsOffAndResumesFromTheFirst) {
    auto sequence = Sequence({"a", "b", "c"});
    TSlideShowPayload show;
    show.Loop = false;
    EXPECT_EQ(ShowAll(sequence, show, 10), (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(show.Play);
    show.Play = true;
    EXPECT_EQ(ShowAll(sequence, show, 1), (std::vector<int>{0}));
    show.Loop = true;
    EXPECT_EQ(ShowAll(sequence, show, 5), (std::vector<int>{1, 2, 0, 1, 2}));
    EXPECT_TRUE(show.Play);
}

TEST(SlideSequence, CommandsMoveTheNextIndex) {
    auto sequence = Sequence({"a", "b", "c", "d"});
    TSlideShowPayload show;
    ShowAll(sequence, show, 2); // b shown
    sequence.Previous();
    EXPECT_EQ(sequence.PlanNext(show)->Index, 0);
    sequence.NextIndex = 1; // a shown
    sequence.Previous();
    EXPECT_EQ(sequence.PlanNext(show)->Index, 0);
    sequence.First();
    EXPECT_EQ(sequence.PlanNext(show)->Index, 0);
    sequence.Last();
    EXPECT_EQ(sequence.PlanNext(show)->Index, 3);
    sequence.NextIndex = -1;
    EXPECT_EQ(sequence.PlanNext(show)->Index, 3);
    EXPECT_FALSE(Sequence({}).PlanNext(show));
}

TEST(SlideSequence, ButtonsFollowThePictureShown) {
    const auto one = Sequence({"a"});
    EXPECT_EQ(one.ButtonsFor(0), (TSlideButtons{true, false, false, false, false}));
    const auto three = Sequence({"a", "b", "c"});
    EXPECT_EQ(three.ButtonsFor(0), (TSlideButtons{true, false, false, true, true}));
    EXPECT_EQ(three.ButtonsFor(1), (TSlideButtons{true, true, true, true, true}));
    EXPECT_EQ(three.ButtonsFor(2), (TSlideButtons{true, true, true, false, false}));
    EXPECT_EQ(three.ButtonsFor(3), three.ButtonsFor(0));
    EXPECT_EQ(Sequence({}).ButtonsFor(0).Play, false);
}

} // namespace
} // namespace brelvane::test
