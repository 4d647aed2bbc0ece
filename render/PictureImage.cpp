#include "render/PictureImage.h"

#include "storage/MetafileInfo.h"
#include "storage/PictureCodecs.h"

#include <QHash>
#include <cstring>
#include <unordered_map>

namespace brelvane {

namespace {
// Shorter GIF delays are shown for this long, as browsers do.
constexpr int kShortestDelayMs = 20;
constexpr int kDelayForShortMs = 100;

QImage ToImage(const TRasterImage& raster) {
    QImage image(raster.Width, raster.Height, QImage::Format_ARGB32);
    if (image.isNull()) return image;
    for (int y = 0; y < raster.Height; ++y)
        std::memcpy(image.scanLine(y), raster.Row(y),
                    static_cast<std::size_t>(raster.Width) * sizeof(std::uint32_t));
    return image;
}

TPictureImage Decode(const TPicture& picture) {
    TPictureImage result;
    result.Bitmap = picture.Kind == TPictureKind::Bitmap;
    if (picture.Kind == TPictureKind::Metafile) {
        if (const auto size = MetafileSize(picture.Data)) {
            QImage blank(size->Width, size->Height, QImage::Format_ARGB32);
            if (!blank.isNull()) {
                blank.fill(Qt::transparent);
                result.Frames.push_back(blank);
                result.DelaysMs.push_back(0);
            }
        }
        return result;
    }
    if (picture.Empty()) return result;
    try {
        const auto decoded = DecodePicture(picture);
        for (const auto& frame : decoded.Frames) {
            auto image = ToImage(frame.Image);
            if (image.isNull()) return {};
            result.Frames.push_back(std::move(image));
            const int delay = frame.DelayMs < kShortestDelayMs ? kDelayForShortMs : frame.DelayMs;
            result.DelaysMs.push_back(decoded.Frames.size() > 1 ? delay : 0);
        }
        result.LoopCount = decoded.LoopCount;
    } catch (const PictureDecodeError&) {
        return {};
    } catch (const std::bad_alloc&) {
        return {};
    }
    return result;
}

struct TCacheKey {
    TPictureKind Kind;
    std::size_t Size;
    std::size_t Hash;
    bool operator==(const TCacheKey&) const = default;
};

struct TCacheKeyHash {
    std::size_t operator()(const TCacheKey& key) const {
        return key.Hash ^ (key.Size * 31 + static_cast<std::size_t>(key.Kind));
    }
};
} // namespace

std::shared_ptr<const TPictureImage> PictureImageOf(const TPicture& picture) {
    static std::unordered_map<TCacheKey, std::weak_ptr<const TPictureImage>, TCacheKeyHash> cache;
    const TCacheKey key{picture.Kind, picture.Data.size(),
                        qHashBits(picture.Data.data(), picture.Data.size())};
    if (auto found = cache.find(key); found != cache.end())
        if (auto shared = found->second.lock()) return shared;
    std::erase_if(cache, [](const auto& entry) { return entry.second.expired(); });
    auto shared = std::make_shared<const TPictureImage>(Decode(picture));
    cache[key] = shared;
    return shared;
}

QImage DrawnFrame(const TPictureImage& picture, std::size_t frame, bool transparent) {
    if (frame >= picture.Frames.size()) return {};
    const QImage& image = picture.Frames[frame];
    if (!transparent || !picture.Bitmap) return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (row[x] == key) row[x] = 0;
    }
    return keyed;
}

} // namespace brelvane
