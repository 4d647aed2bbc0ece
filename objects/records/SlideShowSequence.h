#pragma once

#include "objects/records/SlideShowPayload.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace brelvane {

// The picture files of a folder that a slide show shows (png, jpg, jpeg, bmp,
// emf, wmf, gif in any case), by name without regard to case, ties by bytes.
std::vector<std::string> ListSlidePictures(const std::string& folder);

// The folder's configuration file, its name matched in any case; "" when none.
std::string FindSlideShowConfig(const std::string& folder);

// One picture as the show presents it, with the values the transition uses.
struct TSlidePlan {
    int Index = 0;
    std::string File;
    int Style = 0;     // 1..150
    int Step = 4;      // 1..100
    int StepDelay = 0; // 0..65535 ms
    int Interval = 0;  // ms from the end of the transition to the next picture
    int ImageStyle = 0;
    std::int32_t BackColor = 0;
};

// Which control-bar buttons a picture enables.
struct TSlideButtons {
    bool Play = false;
    bool First = false;
    bool Previous = false;
    bool Next = false;
    bool Last = false;
    bool operator==(const TSlideButtons&) const = default;
};

// The order of a slide show: its pictures, the index of the next one, the
// configuration entries, and the transition style in use. The settings and
// the Play and Loop switches are the object's payload.
class TSlideSequence {
public:
    // The style a transition control starts with.
    static constexpr int kInitialStyle = 51;

    std::vector<std::string> Pictures;
    std::vector<TPSImageEntry> Entries;
    int NextIndex = 0;

    void Seed(std::uint32_t seed) { random_.seed(seed); }

    // The next picture and its settings; nothing for an empty list.
    std::optional<TSlidePlan> PlanNext(const TSlideShowPayload& show);
    // Moves past the picture of `plan` once it is shown; a show without Loop
    // switches Play off after its last picture.
    void Advance(const TSlidePlan& plan, TSlideShowPayload& show);

    // `index` brought into 0..N-1 as the next picture is.
    int Normalised(int index) const;
    TSlideButtons ButtonsFor(int index) const;

    // The commands of the control bar and of actions; each is followed by
    // showing the next picture.
    void First() { NextIndex = Count(); }
    void Previous() { NextIndex = std::max(NextIndex - 2, 0); }
    void Last() { NextIndex = Count() - 1; }

private:
    int Count() const { return static_cast<int>(Pictures.size()); }

    // Each show draws its own styles; tests and tools seed it for a known order.
    std::mt19937 random_{std::random_device{}()};
    int style_ = kInitialStyle;
};

} // namespace brelvane
