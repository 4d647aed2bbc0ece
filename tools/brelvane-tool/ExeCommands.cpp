// exe-info and exe-set: the icon and version strings of an executable, ours
// (Linux or Windows) or any PE file.
#include "Commands.h"
#include "storage/AnsiCodePage.h"
#include "storage/exe/ElfImage.h"
#include "storage/exe/ExeErrors.h"
#include "storage/exe/ExecutableResources.h"
#include "storage/exe/FileVersion.h"
#include "storage/exe/IconGroup.h"
#include "storage/exe/MainIcon.h"
#include "storage/exe/PeImage.h"
#include "storage/exe/VersionInfo.h"
#include "storage/exe/VersionStrings.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace brelvane {

namespace {

std::string FormatOf(TFile& file) {
    if (LooksLikeElf(file)) return ReadElfImage(file).Wide ? "ELF64" : "ELF32";
    if (LooksLikePe(file)) return ReadPeImage(file).Wide ? "PE32+" : "PE32";
    return "unknown";
}

// Every value of the program's string table, in stored order.
nlohmann::ordered_json StringTable(const TResource& version) {
    nlohmann::ordered_json values = nlohmann::ordered_json::object();
    const TVersionNode root = ReadVersionTree(version.Data);
    for (const auto& block : root.Children)
        for (const auto& table : block.Children) {
            std::string tableKey;
            for (const char16_t c : table.Key)
                tableKey.push_back(static_cast<char>(c));
            for (const auto& value : table.Children) {
                std::string key;
                for (const char16_t c : value.Key)
                    key.push_back(static_cast<char>(c < 0x80 ? c : '?'));
                const auto text = QueryVersionString(version.Data, tableKey, key);
                values[tableKey + "\\" + key] = AnsiToUtf8(text);
            }
        }
    return values;
}

nlohmann::ordered_json MainIconJson(const TResourceTree& tree) {
    nlohmann::ordered_json images = nlohmann::ordered_json::array();
    const TResource* group =
        tree.Find(TResourceId::Of(kResourceGroupIcon), TResourceId::Of(kMainIconName));
    if (!group) return nullptr;
    for (const auto& entry : ReadGroupIcon(group->Data).Entries) {
        const auto& d = entry.Directory;
        images.push_back({{"id", entry.Id},
                          {"width", d[0] == 0 ? 256 : d[0]},
                          {"height", d[1] == 0 ? 256 : d[1]},
                          {"bitCount", d[6] | d[7] << 8},
                          {"bytes", d[8] | d[9] << 8 | d[10] << 16 | d[11] << 24},
                          {"present", tree.Find(TResourceId::Of(kResourceIcon),
                                                TResourceId::Of(entry.Id)) != nullptr}});
    }
    return images;
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return 1;
}

} // namespace

int RunExeInfoCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brelvane-tool exe-info FILE\n");
        return 2;
    }
    try {
        TFile file(args[0], TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
        nlohmann::ordered_json info;
        info["file"] = args[0];
        info["format"] = FormatOf(file);
        const TResourceTree tree = ReadExecutableResources(file);
        std::string description, company, legal;
        const bool hasVersion = ReadVersionStrings(args[0], description, company, legal);
        info["versionInformation"] = hasVersion;
        info["FileVersion"] = AnsiToUtf8(ReadFileVersion(args[0]));
        info["FileDescription"] = AnsiToUtf8(description);
        info["CompanyName"] = AnsiToUtf8(company);
        info["LegalCopyright"] = AnsiToUtf8(legal);
        const TResource* version = tree.Find(TResourceId::Of(kResourceVersion), TResourceId::Of(1));
        info["strings"] = version ? StringTable(*version) : nlohmann::ordered_json::object();
        info["MAINICON"] = MainIconJson(tree);
        nlohmann::ordered_json resources = nlohmann::ordered_json::array();
        for (const auto& entry : tree.Entries())
            resources.push_back({{"type", entry.Type.Text()},
                                 {"name", entry.Name.Text()},
                                 {"language", entry.Language},
                                 {"size", entry.Data.size()}});
        info["resources"] = resources;
        std::printf("%s\n", info.dump(2).c_str());
        return 0;
    } catch (const EFileError& error) {
        return Fail("\"" + args[0] + "\", " + error.what());
    } catch (const EExeFormat& error) {
        return Fail("\"" + args[0] + "\": " + error.what());
    }
}

int RunExeSetCommand(const std::vector<std::string>& args) {
    const char* usage = "usage: brelvane-tool exe-set FILE [--icon ICO] [--company S] "
                        "[--description S] [--copyright S]\n";
    if (args.empty() || args.size() % 2 != 1) {
        std::fprintf(stderr, "%s", usage);
        return 2;
    }
    const std::string& exe = args[0];
    std::string icon;
    std::string description, company, legal;
    const bool hasVersion = ReadVersionStrings(exe, description, company, legal);
    bool relabel = false;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::string& option = args[i];
        const std::string text = Utf8ToAnsi(args[i + 1]);
        if (option != "--icon" && text.size() > kVersionSlotLength)
            return Fail(option + ": longer than " + std::to_string(kVersionSlotLength) +
                        " characters");
        if (option == "--icon") {
            icon = args[i + 1];
        } else if (option == "--company") {
            company = text;
        } else if (option == "--description") {
            description = text;
        } else if (option == "--copyright") {
            legal = text;
        } else {
            std::fprintf(stderr, "%s", usage);
            return 2;
        }
        relabel = relabel || option != "--icon";
    }
    if (relabel && !hasVersion) return Fail("\"" + exe + "\": no version information");
    try {
        if (!icon.empty()) ReplaceMainIcon(exe, icon);
        if (relabel)
            RewriteVersionStrings(exe, PadToVersionSlot(company), PadToVersionSlot(description),
                                  PadToVersionSlot(legal));
        return 0;
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}

} // namespace brelvane
