#include "objects/records/SlideShowSequence.h"

#include "storage/FileSystem.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace brelvane {

namespace {
namespace fs = std::filesystem;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (auto& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool IsSlidePicture(const std::string& name) {
    static constexpr std::array<std::string_view, 7> kExtensions{".png", ".jpg", ".jpeg", ".bmp",
                                                                 ".emf", ".wmf", ".gif"};
    const auto lower = Lower(name);
    return std::any_of(kExtensions.begin(), kExtensions.end(),
                       [&](std::string_view extension) { return lower.ends_with(extension); });
}

// Regular files of a folder, by name; none when it cannot be read.
std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(NativePath(folder), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        if (it->is_regular_file(kindError)) names.push_back(Utf8Path(it->path().filename()));
    }
    return names;
}

// Keeps the value of a 32-bit field that is used as an unsigned 16-bit one.
int Low16(std::int32_t value) {
    return static_cast<std::uint16_t>(value);
}
} // namespace

std::vector<std::string> ListSlidePictures(const std::string& folder) {
    auto names = FileNames(folder);
    std::erase_if(names, [](const std::string& name) { return !IsSlidePicture(name); });
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto la = Lower(a);
        const auto lb = Lower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

std::string FindSlideShowConfig(const std::string& folder) {
    const auto wanted = Lower("SlideShowEx.cfg");
    for (const auto& name : FileNames(folder))
        if (Lower(name) == wanted) return folder + "/" + name;
    return {};
}

int TSlideSequence::Normalised(int index) const {
    const int count = Count();
    if (index >= count) index -= count;
    if (index < 0) index += count;
    return index;
}

TSlideButtons TSlideSequence::ButtonsFor(int index) const {
    const int i = Normalised(index);
    const int count = Count();
    return {count > 0, i != 0, i != 0, i != count - 1, i != count - 1};
}

std::optional<TSlidePlan> TSlideSequence::PlanNext(const TSlideShowPayload& show) {
    if (Pictures.empty()) return std::nullopt;
    const int index = Normalised(NextIndex);
    TSlidePlan plan;
    plan.Index = index;
    plan.File = Pictures[static_cast<std::size_t>(index)];

    const TPSImage& settings = show.Settings;
    int step = settings.Step;
    int delay = settings.StepDelay;
    int style = settings.Style;
    if (style == 0) style = std::uniform_int_distribution<int>(1, 150)(random_);
    int imageStyle = settings.ImageStyle;
    int interval = settings.Interval;
    const auto entry = std::find_if(Entries.begin(), Entries.end(), [&](const TPSImageEntry& e) {
        return e.FileName == plan.File;
    });
    if (entry != Entries.end()) {
        step = entry->Step;
        delay = entry->StepDelay;
        if (entry->Style != 0) style = entry->Style;
        imageStyle = entry->ImageStyle;
        interval = entry->Interval;
    }
    // A style outside the table leaves the one in use.
    if (style >= 1 && style <= 150) style_ = style;
    plan.Style = style_;
    plan.Step = std::clamp(Low16(step), 1, 100);
    plan.StepDelay = Low16(delay);
    plan.Interval = std::max(interval, 0);
    plan.ImageStyle = imageStyle;
    plan.BackColor = settings.BackColor;
    return plan;
}

void TSlideSequence::Advance(const TSlidePlan& plan, TSlideShowPayload& show) {
    NextIndex = plan.Index + 1;
    if (NextIndex >= Count() && !show.Loop) show.Play = false;
}

} // namespace brelvane
