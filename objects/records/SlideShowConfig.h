#pragma once

#include "objects/records/SlideShowPayload.h"
#include "storage/ByteStream.h"

#include <string>
#include <vector>

namespace brelvane {

inline constexpr std::int32_t kSlideShowConfigMagic = 29834;
inline constexpr const char* kSlideShowConfigName = "SlideShowEx.cfg";

enum class TConfigRead {
    Read,       // the entries are the file's
    WrongMagic, // not a configuration file: the entries are left alone
    Damaged,    // reported once; the entries read before the damage stay
};

// Reads the per-picture entries of a slide-show folder's configuration file.
// A count that the rest of the stream cannot hold is damage.
TConfigRead ReadSlideShowConfig(TStream& stream, std::vector<TPSImageEntry>& entries);
// As above from a file; one that cannot be opened is damage too.
TConfigRead ReadSlideShowConfigFile(const std::string& path, std::vector<TPSImageEntry>& entries);

bool WriteSlideShowConfig(TStream& stream, const std::vector<TPSImageEntry>& entries);

} // namespace brelvane
