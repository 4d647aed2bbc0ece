#pragma once

#include "storage/ByteStream.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvane {

enum : int { kWritePictureError = 1055, kReadPictureError = 1056 };

enum class TPictureKind { None, Gif, Png, Jpeg, Bitmap, Icon, Metafile };

// A picture holder: its kind and the picture in its own file form, byte for
// byte as it was read, so that writing it again reproduces the stored block.
// Decoding into pixels is done on demand (PictureCodecs.h).
struct TPicture {
    TPictureKind Kind = TPictureKind::None;
    std::vector<std::uint8_t> Data;

    bool Empty() const { return Kind == TPictureKind::None; }
    void Clear() {
        Kind = TPictureKind::None;
        Data.clear();
    }
    bool operator==(const TPicture&) const = default;
};

// The class string of a stored picture kind ("TBitmap", "TPNGObject", ...); "" for None.
std::string_view PictureClassName(TPictureKind kind);
// Looks a class string up without regard to case, in the stored lookup order.
std::optional<TPictureKind> PictureKindByName(std::string_view className);
// The kind as the designer shows it: "Bitmap", "JPEGImage", "PNGImage", "None", ...
std::string PictureKindCaption(const TPicture& picture);
// Whether `data` starts the way a file of `kind` must.
bool HasPictureSignature(TPictureKind kind, const std::vector<std::uint8_t>& data);

// The 4x4 PNG picture from which PNG pictures are created when read.
const TPicture& PngPrototype();

bool WritePicture(TStream& stream, const TPicture& picture);
bool ReadPicture(TStream& stream, TPicture& picture);

} // namespace brelvane
