#include "render/PictureImage.h"

#include "render/MetafileImage.h"
#include "storage/ErrorReport.h"
#include "storage/PictureCodecs.h"

#include <QHash>
#include <cerrno>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

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

TPictureImage DecodeFrames(const TPicture& picture) {
    TPictureImage result;
    result.Bitmap = picture.Kind == TPictureKind::Bitmap;
    if (picture.Kind == TPictureKind::Metafile) {
        result.Frames.push_back(DrawnMetafile(picture));
        result.DelaysMs.push_back(0);
        return result;
    }
    {
        const auto decoded = DecodePicture(picture);
        for (const auto& frame : decoded.Frames) {
            auto image = ToImage(frame.Image);
            if (image.isNull()) throw std::bad_alloc();
            result.Frames.push_back(std::move(image));
            const int delay = frame.DelayMs < kShortestDelayMs ? kDelayForShortMs : frame.DelayMs;
            result.DelaysMs.push_back(decoded.Frames.size() > 1 ? delay : 0);
        }
        result.LoopCount = decoded.LoopCount;
    }
    return result;
}

// Pictures whose data could not be decoded have been reported; each is
// reported once for the life of the process, however often it is drawn.
bool FirstFailure(std::size_t key) {
    static std::unordered_set<std::size_t> reported;
    return reported.insert(key).second;
}

TPictureImage Decode(const TPicture& picture, std::size_t key) {
    if (picture.Empty()) return {};
    try {
        return DecodeFrames(picture);
    } catch (const PictureDecodeError&) {
        errno = 0; // damaged data, no failed system call
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
    }
    if (FirstFailure(key)) ReportError(kReadPictureError);
    return {};
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
    auto shared = std::make_shared<const TPictureImage>(Decode(picture, TCacheKeyHash{}(key)));
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
