#include "storage/GifCodec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <gif_lib.h>
#include <memory>

namespace brelvane {

namespace {

constexpr std::string_view kFormat = "GIF";

struct GifSource {
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
    std::size_t Position = 0;
};

int ReadGif(GifFileType* gif, GifByteType* target, int count) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    if (count <= 0) return 0;
    const std::size_t n =
        std::min(static_cast<std::size_t>(count), source->Size - source->Position);
    if (n > 0) std::memcpy(target, source->Data + source->Position, n);
    source->Position += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void FailGif(int error) {
    const char* text = GifErrorString(error);
    FailDecode(kFormat, text != nullptr ? text : "damaged data");
}

// The graphic control extension in force for the next frame.
struct FrameControl {
    int Disposal = 0;
    int DelayCs = 0;
    int TransparentIndex = -1;
};

// A rectangle of the canvas, already clipped to it.
struct Area {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

bool IsLoopApplication(const GifByteType* block) {
    return block[0] == 11 && (std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0 ||
                              std::memcmp(block + 1, "ANIMEXTS1.0", 11) == 0);
}

// Sub-blocks are handed out with their length in byte 0.
void ReadExtension(GifFileType* gif, FrameControl& control, int& loopCount) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) FailGif(gif->Error);
    if (block == nullptr) return;
    const bool looping = code == APPLICATION_EXT_FUNC_CODE && IsLoopApplication(block);
    if (code == GRAPHICS_EXT_FUNC_CODE && block[0] >= 4) {
        control.Disposal = block[1] >> 2 & 7;
        control.DelayCs = block[2] | block[3] << 8;
        control.TransparentIndex = (block[1] & 1) != 0 ? block[4] : -1;
    }
    for (;;) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) FailGif(gif->Error);
        if (block == nullptr) return;
        if (looping && block[0] >= 3 && block[1] == 1) loopCount = block[2] | block[3] << 8;
    }
}

// The frame row that the n-th stored line of an interlaced frame belongs to.
int InterlacedRow(int n, int height) {
    const int pass1 = (height + 7) / 8, pass2 = (height + 3) / 8, pass3 = (height + 1) / 4;
    if (n < pass1) return n * 8;
    n -= pass1;
    if (n < pass2) return 4 + n * 8;
    n -= pass2;
    if (n < pass3) return 2 + n * 4;
    return 1 + (n - pass3) * 2;
}

// Decodes the current frame's lines onto the canvas.
void DrawFrame(GifFileType* gif, const FrameControl& control, TRasterImage& canvas) {
    const GifImageDesc& frame = gif->Image;
    if (frame.Width == 0 || frame.Height == 0) {
        // No pixels, but the compressed data is still there to pass.
        int codeSize = 0;
        GifByteType* block = nullptr;
        if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR) FailGif(gif->Error);
        while (block != nullptr)
            if (DGifGetCodeNext(gif, &block) == GIF_ERROR) FailGif(gif->Error);
        return;
    }
    const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (map == nullptr) FailDecode(kFormat, "frame without a colour table");
    // Pixels that stay undrawn are marked with this value; no table colour has it.
    constexpr std::uint32_t kUndrawn = 0;
    std::array<std::uint32_t, 256> colors{};
    for (int i = 0; i < std::min(map->ColorCount, 256); ++i) {
        const GifColorType& color = map->Colors[i];
        colors[static_cast<std::size_t>(i)] = Rgb(color.Red, color.Green, color.Blue);
    }
    if (control.TransparentIndex >= 0)
        colors[static_cast<std::size_t>(control.TransparentIndex)] = kUndrawn;

    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    const int visibleWidth = std::clamp(canvas.Width - frame.Left, 0, frame.Width);
    for (int n = 0; n < frame.Height; ++n) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) FailGif(gif->Error);
        const int y = frame.Top + (frame.Interlace ? InterlacedRow(n, frame.Height) : n);
        if (y >= canvas.Height || visibleWidth == 0) continue;
        std::uint32_t* target = canvas.Row(y) + frame.Left;
        for (int x = 0; x < visibleWidth; ++x) {
            const std::uint32_t color = colors[line[static_cast<std::size_t>(x)]];
            if (color != kUndrawn) target[x] = color;
        }
    }
}

Area ClippedArea(const GifImageDesc& frame, const TRasterImage& canvas) {
    return {std::min(frame.Left, canvas.Width), std::min(frame.Top, canvas.Height),
            std::min(frame.Left + frame.Width, canvas.Width),
            std::min(frame.Top + frame.Height, canvas.Height)};
}

void Dispose(int disposal, const Area& area, const std::vector<std::uint32_t>& previous,
             TRasterImage& canvas) {
    if (disposal != 2 && disposal != 3) return;
    for (int y = area.Top; y < area.Bottom; ++y) {
        std::uint32_t* row = canvas.Row(y);
        for (int x = area.Left; x < area.Right; ++x)
            row[x] = disposal == 2 ? 0
                                   : previous[static_cast<std::size_t>(y) *
                                                  static_cast<std::size_t>(canvas.Width) +
                                              static_cast<std::size_t>(x)];
    }
}

} // namespace

TDecodedPicture DecodeGif(std::span<const std::uint8_t> data, std::uint64_t pixelLimit) {
    GifSource source{data.data(), data.size(), 0};
    int error = 0;
    GifHandle gif(DGifOpen(&source, ReadGif, &error));
    if (!gif) FailGif(error);

    TDecodedPicture picture;
    auto& frames = picture.Frames;
    const std::uint64_t limit = std::min(pixelLimit, kMaxPicturePixels);
    std::uint64_t pixelsUsed = 0;
    FrameControl control;
    // The last frame's disposal, carried out on the next frame's canvas.
    int pendingDisposal = 0;
    Area pendingArea;
    // The canvas before the last frame was drawn, kept when its disposal is 3.
    std::vector<std::uint32_t> previous;

    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) FailGif(gif->Error);
        if (type == TERMINATE_RECORD_TYPE) break;
        if (type == EXTENSION_RECORD_TYPE) {
            ReadExtension(gif.get(), control, picture.LoopCount);
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) FailDecode(kFormat, "unknown record");
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR) FailGif(gif->Error);
        const GifImageDesc& frame = gif->Image;

        TRasterImage canvas;
        if (frames.empty()) {
            std::uint64_t width = static_cast<std::uint64_t>(gif->SWidth);
            std::uint64_t height = static_cast<std::uint64_t>(gif->SHeight);
            if (width == 0 || height == 0) {
                width = static_cast<std::uint64_t>(frame.Left + frame.Width);
                height = static_cast<std::uint64_t>(frame.Top + frame.Height);
            }
            CheckPictureSize(kFormat, width, height, limit);
            pixelsUsed = width * height;
            canvas = TRasterImage::Filled(static_cast<int>(width), static_cast<int>(height));
        } else {
            pixelsUsed += frames.back().Image.Pixels.size();
            if (pixelsUsed > limit)
                FailDecode(kFormat, "frames larger than the picture size limit together");
            canvas = frames.back().Image;
            Dispose(pendingDisposal, pendingArea, previous, canvas);
        }
        if (control.Disposal == 3)
            previous = canvas.Pixels;
        else
            std::vector<std::uint32_t>().swap(previous);
        DrawFrame(gif.get(), control, canvas);

        pendingDisposal = control.Disposal;
        pendingArea = ClippedArea(frame, canvas);
        frames.push_back({std::move(canvas), control.DelayCs * 10, control.Disposal,
                          control.TransparentIndex >= 0});
        control = {};
    }
    if (frames.empty()) FailDecode(kFormat, "no images");
    picture.Width = frames.front().Image.Width;
    picture.Height = frames.front().Image.Height;
    return picture;
}

} // namespace brelvane
