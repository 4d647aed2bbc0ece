#include "storage/JpegCodec.h"

// jpeglib.h needs <cstddef> and <cstdio> (size_t, FILE) before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

namespace brelvane {

namespace {

constexpr std::string_view kFormat = "JPEG";
constexpr int kMaxScans = 1000;
constexpr long kMaxJpegMemory = 1l << 30;

// libjpeg sees Base; the rest is ours. Plain data, because errors leave
// libjpeg's calls by longjmp.
struct JpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailWith(j_common_ptr info, const char* message) {
    auto* error = reinterpret_cast<JpegErrorManager*>(info->err);
    std::snprintf(error->Message, sizeof error->Message, "%s", message);
    std::longjmp(error->Jump, 1);
}

[[noreturn]] void ErrorExit(j_common_ptr info) {
    char text[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, text);
    FailWith(info, text);
}

void EmitMessage(j_common_ptr info, int level) {
    if (level >= 0) return;
    // The scan ends before its image does: part of the picture is missing.
    if (info->err->msg_code == JWRN_HIT_MARKER) ErrorExit(info);
    ++info->err->num_warnings;
}

void OutputMessage(j_common_ptr) {}

// Progressive files can make decoding take very long with many tiny scans.
void MonitorProgress(j_common_ptr info) {
    if (info->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        FailWith(info, "too many scans");
}

// The whole file is in memory: libjpeg asks for more only when it has ended.
void InitSource(j_decompress_ptr) {}
boolean FillInput(j_decompress_ptr info) {
    FailWith(reinterpret_cast<j_common_ptr>(info), "data cut off");
}
void SkipInput(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    auto* source = info->src;
    if (static_cast<unsigned long>(count) > source->bytes_in_buffer)
        FailWith(reinterpret_cast<j_common_ptr>(info), "data cut off");
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<std::size_t>(count);
}
void TermSource(j_decompress_ptr) {}

// libjpeg's structures, owned from outside the functions that call setjmp, so
// that a longjmp never passes a destructor. Destroying a structure that was
// never created is harmless.
struct JpegDecoder {
    jpeg_decompress_struct Info{};
    JpegErrorManager Error{};
    jpeg_source_mgr Source{};
    jpeg_progress_mgr Progress{};

    JpegDecoder() = default;
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;
    ~JpegDecoder() { jpeg_destroy_decompress(&Info); }
};

// The three phases below hold only plain locals: libjpeg's errors longjmp
// back into their frames.
bool ReadHeader(JpegDecoder& decoder, const std::uint8_t* data, std::size_t size) {
    if (setjmp(decoder.Error.Jump)) return false;
    jpeg_create_decompress(&decoder.Info);
    decoder.Info.mem->max_memory_to_use = kMaxJpegMemory;
    decoder.Source.next_input_byte = data;
    decoder.Source.bytes_in_buffer = size;
    decoder.Source.init_source = InitSource;
    decoder.Source.fill_input_buffer = FillInput;
    decoder.Source.skip_input_data = SkipInput;
    decoder.Source.resync_to_restart = jpeg_resync_to_restart;
    decoder.Source.term_source = TermSource;
    decoder.Info.src = &decoder.Source;
    decoder.Progress.progress_monitor = MonitorProgress;
    decoder.Info.progress = &decoder.Progress;
    jpeg_read_header(&decoder.Info, TRUE);
    return true;
}

bool StartOutput(JpegDecoder& decoder) {
    if (setjmp(decoder.Error.Jump)) return false;
    jpeg_start_decompress(&decoder.Info);
    return true;
}

std::uint32_t Cmyk(unsigned c, unsigned m, unsigned y, unsigned k, bool inverted) {
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    // Now 255 means no ink.
    return Rgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
}

bool ReadRows(JpegDecoder& decoder, JSAMPLE* row, std::uint32_t* pixels, bool invertedCmyk) {
    if (setjmp(decoder.Error.Jump)) return false;
    jpeg_decompress_struct& info = decoder.Info;
    const std::size_t width = info.output_width;
    while (info.output_scanline < info.output_height) {
        std::uint32_t* target = pixels + info.output_scanline * width;
        JSAMPROW rows[1] = {row};
        if (jpeg_read_scanlines(&info, rows, 1) != 1)
            FailWith(reinterpret_cast<j_common_ptr>(&info), "no scanline");
        switch (info.output_components) {
        case 1:
            for (std::size_t x = 0; x < width; ++x)
                target[x] = Rgb(row[x], row[x], row[x]);
            break;
        case 3:
            for (std::size_t x = 0; x < width; ++x)
                target[x] = Rgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
            break;
        default:
            for (std::size_t x = 0; x < width; ++x) {
                const JSAMPLE* p = row + 4 * x;
                target[x] = Cmyk(p[0], p[1], p[2], p[3], invertedCmyk);
            }
            break;
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

TRasterImage DecodeJpeg(std::span<const std::uint8_t> data, std::uint64_t pixelLimit) {
    if (data.size() < 2 || data[0] != 0xff || data[1] != 0xd8)
        FailDecode(kFormat, "not a JPEG file");
    JpegDecoder decoder;
    decoder.Info.err = jpeg_std_error(&decoder.Error.Base);
    decoder.Error.Base.error_exit = ErrorExit;
    decoder.Error.Base.emit_message = EmitMessage;
    decoder.Error.Base.output_message = OutputMessage;
    if (!ReadHeader(decoder, data.data(), data.size())) FailDecode(kFormat, decoder.Error.Message);

    jpeg_decompress_struct& info = decoder.Info;
    CheckPictureSize(kFormat, info.image_width, info.image_height, pixelLimit);
    int components = 3;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        components = 1;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info.out_color_space = JCS_CMYK;
        components = 4;
        break;
    default:
        info.out_color_space = JCS_RGB;
        break;
    }
    if (!StartOutput(decoder)) FailDecode(kFormat, decoder.Error.Message);
    if (info.output_components != components) FailDecode(kFormat, "unexpected output layout");
    CheckPictureSize(kFormat, info.output_width, info.output_height, pixelLimit);

    auto image = TRasterImage::Filled(static_cast<int>(info.output_width),
                                      static_cast<int>(info.output_height));
    std::vector<JSAMPLE> row(static_cast<std::size_t>(info.output_width) *
                             static_cast<std::size_t>(components));
    const bool invertedCmyk = info.saw_Adobe_marker != 0;
    if (!ReadRows(decoder, row.data(), image.Pixels.data(), invertedCmyk))
        FailDecode(kFormat, decoder.Error.Message);
    return image;
}

} // namespace brelvane
