#include "storage/PngCodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <png.h>
#include <vector>

namespace brelvane {

namespace {

constexpr std::string_view kFormat = "PNG";
// Deflate expands at most 1032-fold, and one byte of a row holds at most 8 pixels.
constexpr std::uint64_t kMaxPixelsPerByte = 1032 * 8;

// What libpng's callbacks reach through their pointers. Plain data, because
// libpng leaves its calls by longjmp.
struct PngState {
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
    std::size_t Position = 0;
    char Message[160] = {};
};

void PngError(png_structp png, png_const_charp message) {
    auto* state = static_cast<PngState*>(png_get_error_ptr(png));
    std::snprintf(state->Message, sizeof state->Message, "%s", message ? message : "error");
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

void PngRead(png_structp png, png_bytep target, png_size_t count) {
    auto* state = static_cast<PngState*>(png_get_io_ptr(png));
    if (count > state->Size - state->Position) png_error(png, "data cut off");
    if (count > 0) std::memcpy(target, state->Data + state->Position, count);
    state->Position += count;
}

// Owns libpng's structures from outside the functions that call setjmp, so
// that a longjmp never passes a destructor.
struct PngReader {
    png_structp Png = nullptr;
    png_infop Info = nullptr;

    PngReader() = default;
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
    ~PngReader() { png_destroy_read_struct(&Png, Info ? &Info : nullptr, nullptr); }
};

struct PngHeader {
    png_uint_32 Width = 0, Height = 0;
    std::size_t RowBytes = 0;
};

// Reads the chunks before the image data and sets the transformations that
// turn every colour type and depth into 8-bit B, G, R, A.
// Only plain locals here: libpng's errors longjmp back into this frame.
bool ReadHeader(png_structp png, png_infop info, PngHeader* header) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const png_byte colorType = png_get_color_type(png, info);
    const png_byte bitDepth = png_get_bit_depth(png, info);
    const bool keyed = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (keyed) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) {
#ifdef PNG_READ_SCALE_16_TO_8_SUPPORTED
        png_set_scale_16(png);
#else
        png_set_strip_16(png);
#endif
    }
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    if ((colorType & PNG_COLOR_MASK_ALPHA) == 0 && !keyed)
        png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    header->Width = png_get_image_width(png, info);
    header->Height = png_get_image_height(png, info);
    header->RowBytes = png_get_rowbytes(png, info);
    return true;
}

// Reads the image data and the chunks after it, up to IEND.
bool ReadImage(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

} // namespace

bool IsPngSignature(std::span<const std::uint8_t> data) {
    return data.size() >= 8 && png_sig_cmp(data.data(), 0, 8) == 0;
}

TRasterImage DecodePng(std::span<const std::uint8_t> data, std::uint64_t pixelLimit) {
    if (!IsPngSignature(data)) FailDecode(kFormat, "not a PNG file");
    PngState state;
    state.Data = data.data();
    state.Size = data.size();
    PngReader reader;
    reader.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, PngError, PngWarning);
    if (reader.Png == nullptr) FailDecode(kFormat, "libpng cannot start");
    reader.Info = png_create_info_struct(reader.Png);
    if (reader.Info == nullptr) FailDecode(kFormat, "libpng cannot start");
    png_set_read_fn(reader.Png, &state, PngRead);

    PngHeader header;
    if (!ReadHeader(reader.Png, reader.Info, &header)) FailDecode(kFormat, state.Message);
    CheckPictureSize(kFormat, header.Width, header.Height, pixelLimit,
                     data.size() * kMaxPixelsPerByte);
    if (header.RowBytes != 4ull * header.Width) FailDecode(kFormat, "unexpected row layout");

    auto image =
        TRasterImage::Filled(static_cast<int>(header.Width), static_cast<int>(header.Height));
    std::vector<png_bytep> rows(header.Height);
    for (png_uint_32 y = 0; y < header.Height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(image.Row(static_cast<int>(y)));
    if (!ReadImage(reader.Png, rows.data())) FailDecode(kFormat, state.Message);
    return image;
}

} // namespace brelvane
