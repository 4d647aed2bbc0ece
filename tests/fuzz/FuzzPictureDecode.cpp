// Decodes the input as a picture of every kind. Damaged data must end in
// PictureDecodeError: never a crash, a leak, a sanitizer report or another
// exception; what decodes must be consistent.
#include "storage/PictureCodecs.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Far below kMaxPicturePixels, so that one input never needs more memory than
// libFuzzer allows a run; every check before the allocation is still reached.
constexpr std::uint64_t kFuzzPixelLimit = 2048 * 2048;

bool Consistent(const brelvane::TDecodedPicture& picture) {
    if (picture.Frames.empty() || picture.Width <= 0 || picture.Height <= 0) return false;
    for (const auto& frame : picture.Frames) {
        const auto& image = frame.Image;
        if (image.Width != picture.Width || image.Height != picture.Height) return false;
        if (image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height)
            return false;
    }
    return picture.LoopCount >= 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    const std::vector<std::uint8_t> bytes(data, data + size);
    for (const auto kind : {TPictureKind::Bitmap, TPictureKind::Gif, TPictureKind::Icon,
                            TPictureKind::Jpeg, TPictureKind::Png, TPictureKind::Metafile}) {
        try {
            if (!Consistent(DecodePicture({kind, bytes}, kFuzzPixelLimit))) std::abort();
        } catch (const PictureDecodeError&) {
        }
    }
    if (const auto size96 = MetafileSize(bytes);
        size96 && (size96->Width <= 0 || size96->Height <= 0))
        std::abort();
    return 0;
}
