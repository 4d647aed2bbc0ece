#include "storage/MetafileInfo.h"

#include "storage/PictureCodecs.h"

#include <climits>

namespace brelvane {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9ac6cdd7;
constexpr std::int64_t kHundredthMmPerInch = 2540;
constexpr std::int64_t kScreenDpi = 96;

// `length` units of which `perInch` make an inch, in pixels at 96 dpi, rounded.
std::optional<int> ToPixels(std::int64_t length, std::int64_t perInch) {
    if (length <= 0 || perInch <= 0) return std::nullopt;
    const std::int64_t pixels = (length * kScreenDpi + perInch / 2) / perInch;
    if (pixels <= 0 || pixels > INT_MAX) return std::nullopt;
    return static_cast<int>(pixels);
}

std::optional<TPictureSize> SizeOf(std::int64_t width, std::int64_t height, std::int64_t perInch) {
    const auto w = ToPixels(width, perInch), h = ToPixels(height, perInch);
    if (!w || !h) return std::nullopt;
    return TPictureSize{*w, *h};
}

} // namespace

std::optional<TPictureSize> MetafileSize(const std::vector<std::uint8_t>& data) {
    const TPictureBytes bytes(data, "metafile");
    if (bytes.Has(0, 22) && bytes.U32(0) == kPlaceableKey) {
        // Placeable header: key, handle, bounding box (int16 left, top, right,
        // bottom), units per inch.
        const std::int64_t width = std::int64_t{bytes.I16(10)} - bytes.I16(6);
        const std::int64_t height = std::int64_t{bytes.I16(12)} - bytes.I16(8);
        return SizeOf(width, height, bytes.U16(14));
    }
    // ENHMETAHEADER: type 1, size, bounds, frame (0.01 mm), " EMF" at 40.
    if (bytes.Has(0, 88) && bytes.U32(0) == 1 && bytes.U32(40) == 0x464d4520) {
        const std::int64_t width = std::int64_t{bytes.I32(32)} - bytes.I32(24);
        const std::int64_t height = std::int64_t{bytes.I32(36)} - bytes.I32(28);
        return SizeOf(width, height, kHundredthMmPerInch);
    }
    return std::nullopt;
}

} // namespace brelvane
