#include "storage/exe/MainIcon.h"

#include "storage/exe/ExeErrors.h"
#include "storage/exe/ExecutableResources.h"
#include "storage/exe/IconGroup.h"

namespace brelvane {

namespace {

std::vector<std::uint8_t> ReadIconFile(const std::string& path) {
    TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const std::uint64_t size = file.Size();
    if (size > kLargestIconFile) throw EResourceError("Icon file is too large");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

// Runs one step of the update; a failure becomes the step's message with
// the platform error number.
template <class Step> auto Attempt(const char* failure, Step step) {
    try {
        return step();
    } catch (const EExeFormat& error) {
        throw PlatformCallError(failure, error.Error());
    } catch (const EFileError& error) {
        throw PlatformCallError(failure, error.Code());
    }
}

} // namespace

void ReplaceMainIcon(const std::string& executablePath, const std::string& iconPath) {
    const std::vector<std::uint8_t> bytes = ReadIconFile(iconPath);
    TIconFile icon;
    if (!ParseIconFile(bytes, icon)) throw EResourceError("Icon file is invalid");

    // The update lives in memory until written, so every failure before the
    // write leaves the executable as it was.
    auto update =
        Attempt("BeginUpdateResource failed (1)", [&] { return TResourceUpdate(executablePath); });
    auto& tree = update.Resources();
    const TResourceId groupType = TResourceId::Of(kResourceGroupIcon);
    const TResourceId iconType = TResourceId::Of(kResourceIcon);
    const TResource* found = tree.Find(groupType, TResourceId::Of(kMainIconName));
    if (!found) throw PlatformCallError("FindResource failed (1)", ENOENT);
    const TResourceId oldName = found->Name;
    const std::uint16_t oldLanguage = found->Language;
    const TGroupIcon old =
        Attempt("LoadResource failed (1)", [&] { return ReadGroupIcon(found->Data); });

    tree.Remove(groupType, oldName, oldLanguage);
    // An entry naming an icon that is not there has nothing left to delete.
    for (const auto& entry : old.Entries)
        if (const TResource* image = tree.Find(iconType, TResourceId::Of(entry.Id))) {
            const auto language = image->Language;
            tree.Remove(iconType, TResourceId::Of(entry.Id), language);
        }

    TGroupIcon group;
    group.Reserved = old.Reserved;
    group.Type = old.Type;
    for (std::size_t i = 0; i < icon.Images.size(); ++i) {
        const auto id = static_cast<std::uint16_t>(i + 1);
        const auto& image = icon.Images[i];
        group.Entries.push_back({image.Directory, id});
        tree.Put({iconType, TResourceId::Of(id), kLanguageUsEnglish, 0,
                  std::vector<std::uint8_t>(image.Data.begin(), image.Data.end())});
    }
    tree.Put(
        {groupType, TResourceId::Of(kMainIconName), kLanguageUsEnglish, 0, WriteGroupIcon(group)});
    Attempt("EndUpdateResource failed", [&] {
        update.Write();
        return 0;
    });
}

std::vector<std::uint8_t> ReadMainIcon(const std::string& executablePath) {
    try {
        TFile file(executablePath, TFileCreation::OpenExisting, TFileAccess::Read,
                   TFileSharing::Read);
        const TResourceTree tree = ReadExecutableResources(file);
        const TResource* found =
            tree.Find(TResourceId::Of(kResourceGroupIcon), TResourceId::Of(kMainIconName));
        if (!found) return {};
        const TGroupIcon group = ReadGroupIcon(found->Data);
        std::vector<std::span<const std::uint8_t>> images;
        for (const auto& entry : group.Entries) {
            const TResource* image =
                tree.Find(TResourceId::Of(kResourceIcon), TResourceId::Of(entry.Id));
            if (!image) return {};
            images.emplace_back(image->Data);
        }
        return AssembleIconFile(group, images);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace brelvane
