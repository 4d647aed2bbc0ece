#include "render/MetafileImage.h"
#include "storage/MetafileInfo.h"
#include "storage/PictureCodecs.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <windows.h>

namespace brelvane {

namespace {
constexpr std::uint32_t kEnhancedHeader = 1, kEnhancedEnd = 14;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeader = 22, kWindowsHeader = 18;

// Stored little-endian, as the machine keeps them.
template <typename T> T At(const std::vector<std::uint8_t>& data, std::size_t offset) {
    T value;
    std::memcpy(&value, data.data() + offset, sizeof value);
    return value;
}
const auto At32 = At<std::uint32_t>;
const auto At16 = At<std::uint16_t>;

// The system plays what it can of damaged records and says nothing: the
// records are walked first, so that a picture whose records run past its
// bytes, or that has no end record, is refused as the other systems refuse it.
bool EnhancedRecordsWhole(const std::vector<std::uint8_t>& data) {
    std::size_t offset = 0;
    while (offset + 8 <= data.size()) {
        const auto type = At32(data, offset), size = At32(data, offset + 4);
        if (size < 8 || size % 4 != 0 || size > data.size() - offset) return false;
        if (type == kEnhancedEnd) return true;
        offset += size;
    }
    return false;
}

bool WindowsRecordsWhole(const std::vector<std::uint8_t>& data, std::size_t start) {
    if (data.size() < start + kWindowsHeader) return false;
    std::size_t offset = start + 2u * At16(data, start + 2); // header size in words
    while (offset + 6 <= data.size()) {
        const std::uint64_t size = 2ull * At32(data, offset); // in words
        const auto function = At16(data, offset + 4);
        if (size < 6 || size > data.size() - offset) return false;
        if (function == 0) return true;
        offset += static_cast<std::size_t>(size);
    }
    return false;
}

// A 32-bit top-down canvas of `width` x `height` filled with `background`,
// on which `play` draws; its pixels after the drawing.
std::vector<std::uint32_t> PlayOnto(int width, int height, COLORREF background,
                                    const std::function<bool(HDC)>& play) {
    const std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&::DeleteDC)> dc(
        ::CreateCompatibleDC(nullptr), ::DeleteDC);
    if (!dc) throw std::bad_alloc();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const std::unique_ptr<std::remove_pointer_t<HBITMAP>, decltype(&::DeleteObject)> bitmap(
        ::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0), ::DeleteObject);
    if (!bitmap || !bits) throw std::bad_alloc();
    const auto previous = ::SelectObject(dc.get(), bitmap.get());
    const RECT all{0, 0, width, height};
    const auto brush = ::CreateSolidBrush(background);
    ::FillRect(dc.get(), &all, brush);
    ::DeleteObject(brush);
    const bool played = play(dc.get());
    ::GdiFlush();
    ::SelectObject(dc.get(), previous);
    if (!played) FailDecode("metafile", "the records cannot be played");
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint32_t> pixels(count);
    std::memcpy(pixels.data(), bits, count * sizeof(std::uint32_t));
    return pixels;
}

// Played over black and over white: where the two differ the drawing lets the
// background through, which gives each pixel's coverage.
QImage OverTransparency(int width, int height, const std::function<bool(HDC)>& play) {
    const auto black = PlayOnto(width, height, RGB(0, 0, 0), play);
    const auto white = PlayOnto(width, height, RGB(255, 255, 255), play);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) throw std::bad_alloc();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x);
            // Green stands for all three channels: the difference is the same in each.
            const int through =
                static_cast<int>((white[i] >> 8) & 0xff) - static_cast<int>((black[i] >> 8) & 0xff);
            const auto alpha = static_cast<std::uint32_t>(255 - std::clamp(through, 0, 255));
            line[x] = alpha << 24 | (black[i] & 0xffffff);
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}
} // namespace

QImage DrawnMetafile(const TPicture& picture) {
    const auto& data = picture.Data;
    const auto size = MetafileSize(data);
    if (!size) FailDecode("metafile", "no size in the header");
    CheckPictureSize("metafile", static_cast<std::uint64_t>(size->Width),
                     static_cast<std::uint64_t>(size->Height), kMaxPicturePixels);
    const int width = size->Width, height = size->Height;

    if (At32(data, 0) == kEnhancedHeader) {
        if (!EnhancedRecordsWhole(data)) FailDecode("metafile", "the records are damaged");
        const std::unique_ptr<std::remove_pointer_t<HENHMETAFILE>, decltype(&::DeleteEnhMetaFile)>
            metafile(::SetEnhMetaFileBits(static_cast<UINT>(data.size()), data.data()),
                     ::DeleteEnhMetaFile);
        if (!metafile) FailDecode("metafile", "the records cannot be read");
        return OverTransparency(width, height, [&](HDC dc) {
            const RECT frame{0, 0, width, height};
            return ::PlayEnhMetaFile(dc, metafile.get(), &frame) != FALSE;
        });
    }

    // A placeable Windows metafile: its bounding box in its own units maps onto the canvas.
    if (At32(data, 0) != kPlaceableKey || !WindowsRecordsWhole(data, kPlaceableHeader))
        FailDecode("metafile", "the records are damaged");
    const auto box = [&](std::size_t offset) {
        return static_cast<int>(static_cast<std::int16_t>(At16(data, offset)));
    };
    const int left = box(6), top = box(8), right = box(10), bottom = box(12);
    const std::unique_ptr<std::remove_pointer_t<HMETAFILE>, decltype(&::DeleteMetaFile)> metafile(
        ::SetMetaFileBitsEx(static_cast<UINT>(data.size() - kPlaceableHeader),
                            data.data() + kPlaceableHeader),
        ::DeleteMetaFile);
    if (!metafile) FailDecode("metafile", "the records cannot be read");
    return OverTransparency(width, height, [&](HDC dc) {
        ::SetMapMode(dc, MM_ANISOTROPIC);
        ::SetWindowOrgEx(dc, left, top, nullptr);
        ::SetWindowExtEx(dc, right - left, bottom - top, nullptr);
        ::SetViewportOrgEx(dc, 0, 0, nullptr);
        ::SetViewportExtEx(dc, width, height, nullptr);
        return ::PlayMetaFile(dc, metafile.get()) != FALSE;
    });
}

} // namespace brelvane
