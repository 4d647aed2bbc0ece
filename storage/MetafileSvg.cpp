#include "storage/MetafileSvg.h"

#include "storage/PictureCodecs.h"

#include <cstdlib>
#include <memory>

#if BRELVANE_METAFILES
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
#endif

namespace brelvane {

namespace {

// An enhanced metafile starts with its header record, type 1. (libwmf's
// headers define U16 and U32 as macros, so the bytes are compared here.)
bool IsEnhanced(const std::vector<std::uint8_t>& data) {
    return data.size() >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0 && data[3] == 0;
}

#if BRELVANE_METAFILES

std::string EnhancedToSvg(const std::vector<std::uint8_t>& data, TPictureSize size) {
    char nameSpace[] = "";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = size.Width;
    options.imgHeight = size.Height;
    // The converter takes a writable buffer; it gets a copy.
    std::vector<char> contents(data.begin(), data.end());
    char* out = nullptr;
    std::size_t length = 0;
    const int played = emf2svg(contents.data(), contents.size(), &out, &length, &options);
    const std::unique_ptr<char, decltype(&std::free)> owned(out, &std::free);
    if (!played || !out || length == 0) FailDecode("EMF", "records cannot be played");
    return std::string(out, length);
}

// The library's handle, destroyed with everything it allocated.
struct TWmfApi {
    wmfAPI* Api = nullptr;
    ~TWmfApi() {
        if (Api) wmf_api_destroy(Api);
    }
};

void Check(wmf_error_t error, const char* what) {
    if (error != wmf_E_None) FailDecode("WMF", what);
}

std::string WindowsToSvg(const std::vector<std::uint8_t>& data, TPictureSize size) {
    TWmfApi wmf;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    Check(wmf_api_create(&wmf.Api, flags, &options), "cannot start the player");
    auto* device = WMF_SVG_GetData(wmf.Api);
    device->out = wmf_stream_create(wmf.Api, nullptr);
    if (!device->out) FailDecode("WMF", "no memory for the drawing");
    // The library reads but takes a non-const pointer.
    std::vector<unsigned char> contents(data.begin(), data.end());
    Check(wmf_mem_open(wmf.Api, contents.data(), static_cast<long>(contents.size())),
          "cannot open the records");
    wmfD_Rect bounds{};
    Check(wmf_scan(wmf.Api, 0, &bounds), "records cannot be read");
    device->bbox = bounds;
    device->width = static_cast<unsigned int>(size.Width);
    device->height = static_cast<unsigned int>(size.Height);
    device->flags |= WMF_SVG_INLINE_IMAGES;
    Check(wmf_play(wmf.Api, 0, &bounds), "records cannot be played");
    char* out = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(wmf.Api, device->out, &out, &length);
    device->out = nullptr;
    if (!out || length == 0) FailDecode("WMF", "nothing was drawn");
    // The buffer belongs to the library and goes with its handle.
    return std::string(out, length);
}

#endif

} // namespace

std::string MetafileToSvg(const std::vector<std::uint8_t>& data, TPictureSize size) {
#if BRELVANE_METAFILES
    return IsEnhanced(data) ? EnhancedToSvg(data, size) : WindowsToSvg(data, size);
#else
    (void)size;
    FailDecode(IsEnhanced(data) ? "EMF" : "WMF", "metafiles are not drawn in this build");
#endif
}

} // namespace brelvane
