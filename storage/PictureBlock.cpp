#include "storage/PictureBlock.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace brelvane {

namespace {

struct KindName {
    TPictureKind kind;
    std::string_view className;
};

// The order in which class strings are looked up when a picture is read.
constexpr std::array kKindNames{
    KindName{TPictureKind::Gif, "TGIFImage"},   KindName{TPictureKind::Png, "TPNGObject"},
    KindName{TPictureKind::Jpeg, "TJPEGImage"}, KindName{TPictureKind::Bitmap, "TBitmap"},
    KindName{TPictureKind::Icon, "TIcon"},      KindName{TPictureKind::Metafile, "TMetafile"},
};

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) {
                   return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

bool StartsWith(const std::vector<std::uint8_t>& data, std::initializer_list<std::uint8_t> prefix) {
    return data.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), data.begin());
}

bool IsEnhancedMetafile(const std::vector<std::uint8_t>& data) {
    // EMR_HEADER record first, " EMF" signature at offset 40.
    return data.size() >= 88 && StartsWith(data, {1, 0, 0, 0}) && data[40] == ' ' &&
           data[41] == 'E' && data[42] == 'M' && data[43] == 'F';
}

constexpr std::uint8_t kPngPrototypeBytes[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
    0x44, 0x52, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x04, 0x08, 0x06, 0x00, 0x00,
    0x00, 0xa9, 0xf1, 0x9e, 0x7e, 0x00, 0x00, 0x00, 0x0c, 0x49, 0x44, 0x41, 0x54, 0x78,
    0xda, 0x63, 0x60, 0xa0, 0x1c, 0x00, 0x00, 0x00, 0x44, 0x00, 0x01, 0xe9, 0x1e, 0x9b,
    0x51, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

[[noreturn]] void FailPicture(const char* what) {
    errno = 0;
    throw StreamError(what);
}

} // namespace

std::string_view PictureClassName(TPictureKind kind) {
    for (const auto& entry : kKindNames)
        if (entry.kind == kind) return entry.className;
    return "";
}

std::optional<TPictureKind> PictureKindByName(std::string_view className) {
    for (const auto& entry : kKindNames)
        if (EqualNoCase(className, entry.className)) return entry.kind;
    return std::nullopt;
}

std::string PictureKindCaption(const TPicture& picture) {
    switch (picture.Kind) {
    case TPictureKind::None:
        return "None";
    case TPictureKind::Png:
        return "PNGImage";
    default:
        return std::string(PictureClassName(picture.Kind).substr(1));
    }
}

bool HasPictureSignature(TPictureKind kind, const std::vector<std::uint8_t>& data) {
    switch (kind) {
    case TPictureKind::None:
        return data.empty();
    case TPictureKind::Gif:
        return StartsWith(data, {'G', 'I', 'F', '8', '7', 'a'}) ||
               StartsWith(data, {'G', 'I', 'F', '8', '9', 'a'});
    case TPictureKind::Png:
        return StartsWith(data, {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a});
    case TPictureKind::Jpeg:
        return StartsWith(data, {0xff, 0xd8});
    case TPictureKind::Bitmap:
        return data.size() >= 26 && StartsWith(data, {'B', 'M'});
    case TPictureKind::Icon:
        return data.size() >= 6 && StartsWith(data, {0, 0, 1, 0});
    case TPictureKind::Metafile:
        return StartsWith(data, {0xd7, 0xcd, 0xc6, 0x9a}) || IsEnhancedMetafile(data);
    }
    return false;
}

const TPicture& PngPrototype() {
    static const TPicture prototype{TPictureKind::Png,
                                    {std::begin(kPngPrototypeBytes), std::end(kPngPrototypeBytes)}};
    return prototype;
}

bool WritePicture(TStream& stream, const TPicture& picture) {
    return Transfer(kWritePictureError, [&] {
        if (!WriteString(stream, PictureClassName(picture.Kind))) return false;
        if (picture.Empty()) return true;
        if (picture.Data.size() > 0x7fffffff) FailPicture("picture too large");
        WriteField<std::int32_t>(stream, static_cast<std::int32_t>(picture.Data.size()));
        stream.Write(picture.Data.data(), picture.Data.size());
        return true;
    });
}

bool ReadPicture(TStream& stream, TPicture& picture) {
    return Transfer(kReadPictureError, [&] {
        picture.Clear();
        std::string className;
        if (!ReadString(stream, className)) return false;
        if (className.empty()) return true;
        const auto kind = PictureKindByName(className);
        if (!kind) FailPicture("unknown picture class");
        // PNG pictures start as a copy of the prototype, then take the data.
        TPicture loaded = *kind == TPictureKind::Png ? PngPrototype() : TPicture{*kind, {}};
        const auto size = ReadField<std::int32_t>(stream);
        if (size < 0 || static_cast<std::uint64_t>(size) > stream.Remaining())
            FailPicture("bad picture size");
        loaded.Data.resize(static_cast<std::size_t>(size));
        stream.Read(loaded.Data.data(), loaded.Data.size());
        if (!HasPictureSignature(loaded.Kind, loaded.Data)) FailPicture("damaged picture data");
        picture = std::move(loaded);
        return true;
    });
}

} // namespace brelvane
