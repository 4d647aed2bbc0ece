#include "storage/exe/FileVersion.h"

#include "storage/exe/ExecutableResources.h"
#include "storage/exe/VersionInfo.h"

namespace brelvane {

std::string ReadFileVersion(const std::string& path) {
    try {
        TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
        const TResourceTree tree = ReadExecutableResources(file);
        const TResource* version = tree.Find(TResourceId::Of(kResourceVersion), TResourceId::Of(1));
        if (!version) return {};
        return QueryVersionString(version->Data, kVersionTable, "FileVersion");
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace brelvane
