#include "storage/PictureCodecs.h"

#include "storage/BmpCodec.h"
#include "storage/GifCodec.h"
#include "storage/IcoCodec.h"
#include "storage/JpegCodec.h"
#include "storage/PngCodec.h"

#include <algorithm>
#include <string>

namespace brelvane {

void FailDecode(std::string_view format, std::string_view what) {
    std::string message(format);
    message += ": ";
    message += what;
    throw PictureDecodeError(message);
}

void CheckPictureSize(std::string_view format, std::uint64_t width, std::uint64_t height,
                      std::uint64_t limit, std::uint64_t dataBound) {
    if (width == 0 || height == 0) FailDecode(format, "image without pixels");
    limit = std::min(limit, kMaxPicturePixels);
    // Each factor is checked first so that the product cannot overflow.
    if (width > limit || height > limit || width * height > limit)
        FailDecode(format, "image larger than the picture size limit");
    if (width * height > dataBound) FailDecode(format, "image larger than its data can hold");
}

TDecodedPicture StillPicture(TRasterImage image) {
    TDecodedPicture picture;
    picture.Width = image.Width;
    picture.Height = image.Height;
    const bool transparent = image.HasTransparency();
    picture.Frames.push_back({std::move(image), 0, 0, transparent});
    return picture;
}

TDecodedPicture DecodePicture(const TPicture& picture, std::uint64_t pixelLimit) {
    const std::span<const std::uint8_t> data(picture.Data);
    switch (picture.Kind) {
    case TPictureKind::None:
        throw PictureDecodeError("no picture to decode");
    case TPictureKind::Gif:
        return DecodeGif(data, pixelLimit);
    case TPictureKind::Png:
        return StillPicture(DecodePng(data, pixelLimit));
    case TPictureKind::Jpeg:
        return StillPicture(DecodeJpeg(data, pixelLimit));
    case TPictureKind::Bitmap:
        return StillPicture(DecodeBmp(data, pixelLimit));
    case TPictureKind::Icon:
        return StillPicture(DecodeIcon(data, pixelLimit));
    case TPictureKind::Metafile:
        throw PictureDecodeError("metafiles are kept as bytes and not decoded into pixels");
    }
    throw PictureDecodeError("unknown picture kind");
}

} // namespace brelvane
