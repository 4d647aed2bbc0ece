#include "publish/LabelledPlayers.h"

#include "publish/PublishErrors.h"
#include "storage/ErrorReport.h"
#include "storage/FileSystem.h"
#include "storage/exe/MainIcon.h"
#include "storage/exe/VersionStrings.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
void CopyLabels(const std::string& labelsFrom, const std::string& copy) {
    const auto icon = ReadMainIcon(labelsFrom);
    if (!icon.empty()) {
        const auto iconFile = CreateFileBeside(copy);
        std::ofstream(iconFile, std::ios::binary)
            .write(reinterpret_cast<const char*>(icon.data()),
                   static_cast<std::streamsize>(icon.size()));
        try {
            ReplaceMainIcon(copy, iconFile);
        } catch (...) {
            fs::remove(iconFile);
            throw;
        }
        fs::remove(iconFile);
    }
    std::string description, company, copyright;
    if (ReadVersionStrings(labelsFrom, description, company, copyright))
        RewriteVersionStrings(copy, PadToVersionSlot(company), PadToVersionSlot(description),
                              PadToVersionSlot(copyright));
}
} // namespace

bool CopyPlayerWithLabels(const std::string& player, const std::string& labelsFrom,
                          const std::string& copy) {
    try {
        fs::copy_file(player, copy, fs::copy_options::overwrite_existing);
        CopyLabels(labelsFrom, copy);
        return true;
    } catch (const std::exception& error) {
        std::error_code ignored;
        fs::remove(copy, ignored);
        ShowError("\"" + copy + "\", the player's icon and version strings: " + error.what() +
                  " (Error Code: " + std::to_string(kPublishFileError) + ").");
        return false;
    }
}

TLabelledPlayers::TLabelledPlayers(const TPublishedPlayers& players, const std::string& besidePath)
    : players_(players) {
    if (players.LabelsFrom.empty()) return;
    const auto label = [&](bool chosen, std::string& player) {
        if (!ready_ || !chosen || player.empty() || player == players.LabelsFrom) return;
        try {
            copies_.push_back(CreateFileBeside(besidePath));
        } catch (const std::exception&) {
            ReportFileError(kPublishFileError, besidePath);
            ready_ = false;
            return;
        }
        ready_ = CopyPlayerWithLabels(player, players.LabelsFrom, copies_.back());
        player = copies_.back();
    };
    label(HasWindowsPlayer(players.Choice), players_.WindowsPlayer);
    label(HasLinuxPlayer(players.Choice), players_.LinuxPlayer);
}

TLabelledPlayers::~TLabelledPlayers() {
    std::error_code ignored;
    for (const auto& copy : copies_)
        fs::remove(copy, ignored);
}

} // namespace brelvane
