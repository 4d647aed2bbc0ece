// AVI clips: a clip that opens has every frame inside the file and a picture
// of its frame size, and every frame draws without leaving that picture.
#include "storage/avi/AviClip.h"
#include "storage/avi/AviFrameDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    const std::span<const std::uint8_t> file(data, size);
    const auto clip = ReadAviClip(file);
    if (!clip) return 0;
    if (clip->Width <= 0 || clip->Height <= 0) std::abort();
    for (const TAviFrameRef& frame : clip->Frames)
        if (frame.Offset > size || frame.Size > size - frame.Offset) std::abort();
    TAviFrameDecoder decoder(*clip);
    const auto pixels =
        static_cast<std::size_t>(clip->Width) * static_cast<std::size_t>(clip->Height);
    for (const TAviFrameRef& frame : clip->Frames) {
        decoder.Decode(file.subspan(frame.Offset, frame.Size));
        if (decoder.Pixels().size() != pixels) std::abort();
    }
    return 0;
}
