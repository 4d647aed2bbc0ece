#include "PictureEncoders.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <stdexcept>

namespace brelvane::test {

ByteWriter& ByteWriter::U8(std::uint32_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value));
    return *this;
}
ByteWriter& ByteWriter::U16(std::uint32_t value) {
    return U8(value).U8(value >> 8);
}
ByteWriter& ByteWriter::U32(std::uint32_t value) {
    return U16(value).U16(value >> 16);
}
ByteWriter& ByteWriter::Append(const PictureBytes& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}
ByteWriter& ByteWriter::Append(std::initializer_list<std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}
void ByteWriter::Patch32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes_.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

// ---- BMP and ICO ----------------------------------------------------------

PictureBytes InfoHeader(std::int32_t width, std::int32_t height, int bitCount,
                        std::uint32_t compression, std::uint32_t colorsUsed) {
    ByteWriter w;
    w.U32(40).I32(width).I32(height).U16(1).U16(static_cast<std::uint32_t>(bitCount));
    w.U32(compression).U32(0).I32(2835).I32(2835).U32(colorsUsed).U32(0);
    return w.Bytes();
}

PictureBytes CoreHeader(int width, int height, int bitCount) {
    ByteWriter w;
    w.U32(12).U16(static_cast<std::uint32_t>(width)).U16(static_cast<std::uint32_t>(height));
    w.U16(1).U16(static_cast<std::uint32_t>(bitCount));
    return w.Bytes();
}

PictureBytes QuadPalette(std::initializer_list<std::uint32_t> colors) {
    ByteWriter w;
    for (const auto c : colors)
        w.U8(c).U8(c >> 8).U8(c >> 16).U8(0);
    return w.Bytes();
}

PictureBytes TriplePalette(std::initializer_list<std::uint32_t> colors) {
    ByteWriter w;
    for (const auto c : colors)
        w.U8(c).U8(c >> 8).U8(c >> 16);
    return w.Bytes();
}

PictureBytes BmpFile(const PictureBytes& dib, const PictureBytes& pixels) {
    ByteWriter w;
    const auto offset = static_cast<std::uint32_t>(14 + dib.size());
    w.U8('B').U8('M').U32(offset + static_cast<std::uint32_t>(pixels.size())).U32(0).U32(offset);
    w.Append(dib).Append(pixels);
    return w.Bytes();
}

PictureBytes PaddedRows(const std::vector<PictureBytes>& rows) {
    ByteWriter w;
    for (const auto& row : rows) {
        w.Append(row);
        for (std::size_t i = row.size(); i % 4 != 0; ++i)
            w.U8(0);
    }
    return w.Bytes();
}

PictureBytes IcoFile(const std::vector<IconEntrySpec>& entries) {
    ByteWriter w;
    w.U16(0).U16(1).U16(static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const auto& entry : entries) {
        w.U8(static_cast<std::uint32_t>(entry.Width & 0xff));
        w.U8(static_cast<std::uint32_t>(entry.Height & 0xff));
        w.U8(0).U8(0).U16(1).U16(static_cast<std::uint32_t>(entry.BitCount));
        w.U32(static_cast<std::uint32_t>(entry.Data.size())).U32(offset);
        offset += static_cast<std::uint32_t>(entry.Data.size());
    }
    for (const auto& entry : entries)
        w.Append(entry.Data);
    return w.Bytes();
}

// ---- PNG -------------------------------------------------------------------

namespace {

void PngWrite(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<PictureBytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}
void PngFlush(png_structp) {}

// Plain locals only: libpng's errors longjmp back here.
bool WritePng(png_structp png, png_infop info, const PngLayout& layout, png_bytepp rows,
              png_colorp palette, png_bytep alpha, png_color_16p key) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(layout.Width),
                 static_cast<png_uint_32>(layout.Height), layout.BitDepth, layout.ColorType,
                 layout.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette != nullptr)
        png_set_PLTE(png, info, palette, static_cast<int>(layout.Palette.size()));
    if (alpha != nullptr || key != nullptr)
        png_set_tRNS(png, info, alpha, static_cast<int>(layout.PaletteAlpha.size()), key);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

PictureBytes EncodePng(const PngLayout& layout, const std::vector<PictureBytes>& rows) {
    PictureBytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, PngWrite, PngFlush);

    std::vector<png_color> palette;
    for (const auto c : layout.Palette)
        palette.push_back({static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                           static_cast<png_byte>(c)});
    std::vector<png_byte> alpha(layout.PaletteAlpha.begin(), layout.PaletteAlpha.end());
    png_color_16 key{};
    if (layout.Key) {
        key.gray = (*layout.Key)[0];
        key.red = (*layout.Key)[0];
        key.green = (*layout.Key)[1];
        key.blue = (*layout.Key)[2];
    }
    std::vector<png_bytep> rowPointers;
    for (const auto& row : rows)
        rowPointers.push_back(const_cast<png_bytep>(row.data()));

    const bool written =
        WritePng(png, info, layout, rowPointers.data(), palette.empty() ? nullptr : palette.data(),
                 alpha.empty() ? nullptr : alpha.data(), layout.Key ? &key : nullptr);
    png_destroy_write_struct(&png, &info);
    if (!written) throw std::runtime_error("test PNG encoder failed");
    return out;
}

PictureBytes EncodePngRgba(const TRasterImage& image) {
    PngLayout layout;
    layout.Width = image.Width;
    layout.Height = image.Height;
    layout.ColorType = PNG_COLOR_TYPE_RGB_ALPHA;
    std::vector<PictureBytes> rows;
    for (int y = 0; y < image.Height; ++y) {
        PictureBytes row;
        for (int x = 0; x < image.Width; ++x) {
            const auto p = image.Pixel(x, y);
            row.insert(row.end(), {RedOf(p), GreenOf(p), BlueOf(p), AlphaOf(p)});
        }
        rows.push_back(row);
    }
    return EncodePng(layout, rows);
}

// ---- JPEG ------------------------------------------------------------------

PictureBytes EncodeJpeg(int width, int height, JpegInput input, const PictureBytes& samples,
                        bool progressive, int quality) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    const int components = input == JpegInput::Grey ? 1 : input == JpegInput::Rgb ? 3 : 4;
    info.input_components = components;
    info.in_color_space = input == JpegInput::Grey  ? JCS_GRAYSCALE
                          : input == JpegInput::Rgb ? JCS_RGB
                                                    : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // No chroma subsampling, so that small colour areas keep their colour.
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(samples.data()) +
                       static_cast<std::size_t>(info.next_scanline) * width * components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    PictureBytes out(buffer, buffer + size);
    std::free(buffer);
    jpeg_destroy_compress(&info);
    return out;
}

// ---- GIF -------------------------------------------------------------------

namespace {

int GifWrite(GifFileType* gif, const GifByteType* data, int count) {
    auto* out = static_cast<PictureBytes*>(gif->UserData);
    out->insert(out->end(), data, data + count);
    return count;
}

// A colour map of a power-of-two size, padded with black.
ColorMapObject* MakeMap(const std::vector<std::uint32_t>& colors) {
    if (colors.empty()) return nullptr;
    int size = 2;
    while (size < static_cast<int>(colors.size()))
        size *= 2;
    std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colors.size(); ++i)
        entries[i] = {static_cast<GifByteType>(colors[i] >> 16),
                      static_cast<GifByteType>(colors[i] >> 8),
                      static_cast<GifByteType>(colors[i])};
    return GifMakeMapObject(size, entries.data());
}

void Check(int result) {
    if (result == GIF_ERROR) throw std::runtime_error("test GIF encoder failed");
}

} // namespace

PictureBytes EncodeGif(const GifLayout& layout) {
    PictureBytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, GifWrite, &error);
    if (gif == nullptr) throw std::runtime_error("test GIF encoder failed");
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = MakeMap(layout.Colors);
    Check(EGifPutScreenDesc(gif, layout.Width, layout.Height, 8, 0, global));
    GifFreeMapObject(global);
    if (layout.LoopCount) {
        const GifByteType name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        const GifByteType loop[] = {1, static_cast<GifByteType>(*layout.LoopCount & 0xff),
                                    static_cast<GifByteType>(*layout.LoopCount >> 8)};
        Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
        Check(EGifPutExtensionBlock(gif, sizeof name, name));
        Check(EGifPutExtensionBlock(gif, sizeof loop, loop));
        Check(EGifPutExtensionTrailer(gif));
    }
    for (const auto& frame : layout.Frames) {
        if (frame.WithControl) {
            GraphicsControlBlock control{frame.Disposal, false, frame.DelayCs,
                                         frame.TransparentIndex};
            GifByteType extension[4];
            const auto length = EGifGCBToExtension(&control, extension);
            Check(
                EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));
        }
        ColorMapObject* local = MakeMap(frame.Colors);
        Check(EGifPutImageDesc(gif, frame.Left, frame.Top, frame.Width, frame.Height,
                               frame.Interlaced, local));
        GifFreeMapObject(local);
        std::vector<int> order;
        if (frame.Interlaced) {
            for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
                for (int y = start; y < frame.Height; y += step)
                    order.push_back(y);
        } else {
            for (int y = 0; y < frame.Height; ++y)
                order.push_back(y);
        }
        for (const int y : order) {
            auto* row = const_cast<GifPixelType*>(frame.Indices.data()) +
                        static_cast<std::size_t>(y) * frame.Width;
            Check(EGifPutLine(gif, row, frame.Width));
        }
    }
    Check(EGifCloseFile(gif, &error));
    return out;
}

} // namespace brelvane::test
