#include "FuzzSupport.h"
#include "storage/exe/ExeErrors.h"
#include "storage/exe/IconGroup.h"

// The bytes as an .ico file and as a group icon resource: an accepted icon
// file assembled again from its own directory is accepted with the same
// images; an accepted group writes back to its own bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    const std::span<const std::uint8_t> bytes(data, size);
    TIconFile icon;
    if (ParseIconFile(bytes, icon)) {
        TGroupIcon group;
        std::vector<std::span<const std::uint8_t>> images;
        for (const auto& image : icon.Images) {
            group.Entries.push_back({image.Directory, 0});
            images.push_back(image.Data);
        }
        const auto assembled = AssembleIconFile(group, images);
        TIconFile again;
        if (!ParseIconFile(assembled, again) || again.Images.size() != icon.Images.size())
            std::abort();
        for (std::size_t i = 0; i < images.size(); ++i)
            if (!std::equal(images[i].begin(), images[i].end(), again.Images[i].Data.begin(),
                            again.Images[i].Data.end()))
                std::abort();
    }
    try {
        const auto group = ReadGroupIcon(bytes);
        const auto written = WriteGroupIcon(group);
        if (!std::equal(written.begin(), written.end(), bytes.begin())) std::abort();
    } catch (const EExeFormat&) {
    }
    return 0;
}
