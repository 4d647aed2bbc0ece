#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace brelvane {

struct TPictureSize {
    int Width = 0, Height = 0;
    bool operator==(const TPictureSize&) const = default;
};

// Metafiles stay as bytes (nothing here plays their records); this gives their
// size in pixels at 96 dpi, rounded:
// - enhanced metafile: the header's frame rectangle (0.01 mm units);
// - placeable Windows metafile: the bounding box in its units per inch
//   (the header checksum is not checked; writers get it wrong often enough).
// None when the data is neither, is cut off inside the header or the size is empty.
std::optional<TPictureSize> MetafileSize(const std::vector<std::uint8_t>& data);

} // namespace brelvane
