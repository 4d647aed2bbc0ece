#pragma once

#include "storage/MetafileInfo.h"
#include "storage/PictureBlock.h"
#include "storage/RasterImage.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace brelvane {

// Raised for picture data that cannot be decoded: damaged, cut off, of a form
// no codec reads, or larger than kMaxPicturePixels. The message names the
// format ("BMP: pixel data cut off").
class PictureDecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most pixels one decoded picture may hold (1 GiB of pixels): for an
// animated GIF the canvases of all its frames together, for all entries of an
// icon file together. Callers may ask for less (DecodePicture's pixelLimit),
// never for more. Formats whose data bounds the image size (uncompressed BMP,
// PNG) refuse sooner, when the dimensions ask for more than the data present
// could hold.
inline constexpr std::uint64_t kMaxPicturePixels = 16384ull * 16384ull;

struct TPictureFrame {
    // The whole canvas as it is shown while this frame is up: for a GIF after
    // the previous frames' disposal and this frame's transparency.
    TRasterImage Image;
    // How long the frame stays, in milliseconds: the GIF delay (centiseconds)
    // times 10, as stored, so 0 is possible; players choose their own minimum.
    // 0 for still pictures.
    int DelayMs = 0;
    // The GIF disposal method as stored (0-7: 0 none, 1 leave, 2 restore to
    // background, 3 restore to previous; 4-7 are undefined and treated as 1);
    // it applies when the next frame is drawn. 0 for still pictures.
    int Disposal = 0;
    // GIF: the frame's graphic control names a transparent colour index.
    // Other formats: the image has a pixel that is not fully opaque.
    bool Transparent = false;
};

// LoopCount is how many times the frames are played through: 0 = forever.
// It is the NETSCAPE2.0 (or ANIMEXTS1.0) application extension's count as
// stored; without that extension it is 1, play once. (Players disagree on
// whether a stored N means N plays or N repeats; here it is N plays, so that a
// missing extension and a count of 1 mean the same.) Still pictures: 1 frame,
// LoopCount 1.
struct TDecodedPicture {
    int Width = 0, Height = 0;
    std::vector<TPictureFrame> Frames;
    int LoopCount = 1;
};

// Decodes a picture into pixels. Every kind but Metafile (use MetafileSize;
// metafiles are kept as bytes and not played) and None. Throws
// PictureDecodeError for those two kinds and for data that cannot be decoded,
// including data cut off anywhere before its end marker (the GIF trailer, the
// PNG IEND chunk, the JPEG EOI marker, the RLE end-of-bitmap escape). Only
// std::bad_alloc passes through as it is. Thread-safe; holds no state.
// `pixelLimit` lowers kMaxPicturePixels (thumbnails, fuzzing).
TDecodedPicture DecodePicture(const TPicture& picture,
                              std::uint64_t pixelLimit = kMaxPicturePixels);

// ---- Shared by the codecs -------------------------------------------------

[[noreturn]] void FailDecode(std::string_view format, std::string_view what);

// Refuses empty images, images of more than `limit` pixels (never more than
// kMaxPicturePixels) and images of more than `dataBound` pixels, the most
// that the data present could hold.
void CheckPictureSize(std::string_view format, std::uint64_t width, std::uint64_t height,
                      std::uint64_t limit, std::uint64_t dataBound = UINT64_MAX);

// One still image as a decoded picture.
TDecodedPicture StillPicture(TRasterImage image);

// Checked little-endian reads from the bytes of a file; a read outside the
// bytes fails with "<format>: data cut off".
class TPictureBytes {
public:
    TPictureBytes(std::span<const std::uint8_t> data, std::string_view format)
        : data_(data), format_(format) {}

    std::size_t Size() const { return data_.size(); }
    bool Has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= data_.size() && count <= data_.size() - offset;
    }
    std::uint8_t U8(std::uint64_t offset) const { return *Need(offset, 1); }
    std::uint16_t U16(std::uint64_t offset) const {
        const auto* p = Need(offset, 2);
        return static_cast<std::uint16_t>(p[0] | p[1] << 8);
    }
    std::uint32_t U32(std::uint64_t offset) const {
        const auto* p = Need(offset, 4);
        return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
               static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }
    std::int16_t I16(std::uint64_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
    std::int32_t I32(std::uint64_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    // `count` bytes from `offset`.
    std::span<const std::uint8_t> Sub(std::uint64_t offset, std::uint64_t count) const {
        return {Need(offset, count), static_cast<std::size_t>(count)};
    }
    // Everything from `offset` to the end.
    std::span<const std::uint8_t> From(std::uint64_t offset) const {
        return Sub(offset, offset <= data_.size() ? data_.size() - offset : 1);
    }
    std::string_view Format() const { return format_; }

private:
    const std::uint8_t* Need(std::uint64_t offset, std::uint64_t count) const {
        if (!Has(offset, count)) FailDecode(format_, "data cut off");
        return data_.data() + offset;
    }

    std::span<const std::uint8_t> data_;
    std::string_view format_;
};

} // namespace brelvane
