#pragma once

#include <cstddef>
#include <string>

namespace brelvane {

// What is wrong with stored rich text, and the byte where it starts.
struct TRtfFault {
    std::size_t Offset = 0;
    std::string What;
    bool operator==(const TRtfFault&) const = default;
};

// "<what> at byte <offset>", for messages that name the file in front.
std::string RtfFaultText(const TRtfFault& fault);

// Whether reading stops at the first fault (an editor loading a file keeps its
// content and says where the file is damaged) or reads past every fault (a
// page shows whatever a stored payload holds; open groups close at the end).
enum class TRtfRecovery : unsigned char { StopAtFault, ReadPastFaults };

} // namespace brelvane
