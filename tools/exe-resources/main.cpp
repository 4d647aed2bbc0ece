// Build-time helper of the program's resources, run after linking:
//   brelvane-resources icon OUT.ico
//   brelvane-resources section OUT --icon ICO --version A.B[.C.D]
//                      [--slot KEY=TEXT]... [--string KEY=TEXT]...
// "section" writes the resource directory that the build puts into the
// executable: group icon "MAINICON" with the icon's images as icons 1..n, and
// the version block whose string table holds the --slot values padded to
// their 100 characters and the --string values as given, in the order given.
#include "DefaultIcon.h"
#include "storage/exe/IconGroup.h"
#include "storage/exe/MainIcon.h"
#include "storage/exe/ResourceTree.h"
#include "storage/exe/VersionInfo.h"
#include "storage/exe/VersionStrings.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace brelvane;

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

std::array<std::uint16_t, 4> ParseVersion(const std::string& text) {
    std::array<std::uint16_t, 4> parts{};
    std::istringstream in(text);
    std::string part;
    for (std::size_t i = 0; i < parts.size() && std::getline(in, part, '.'); ++i)
        parts[i] = static_cast<std::uint16_t>(std::stoul(part));
    return parts;
}

std::pair<std::string, std::string> KeyValue(const std::string& argument) {
    const auto equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        throw std::runtime_error("expected KEY=TEXT, got " + argument);
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

std::vector<std::uint8_t> ProgramSection(const std::vector<std::uint8_t>& icon,
                                         const TVersionBlock& version) {
    TIconFile images;
    if (!ParseIconFile(icon, images)) throw std::runtime_error("invalid icon file");
    TResourceTree tree;
    TGroupIcon group;
    for (std::size_t i = 0; i < images.Images.size(); ++i) {
        const auto id = static_cast<std::uint16_t>(i + 1);
        const auto& image = images.Images[i];
        group.Entries.push_back({image.Directory, id});
        tree.Put({TResourceId::Of(kResourceIcon),
                  TResourceId::Of(id),
                  kLanguageUsEnglish,
                  0,
                  {image.Data.begin(), image.Data.end()}});
    }
    tree.Put({TResourceId::Of(kResourceGroupIcon), TResourceId::Of(kMainIconName),
              kLanguageUsEnglish, 0, WriteGroupIcon(group)});
    tree.Put({TResourceId::Of(kResourceVersion), TResourceId::Of(1), kLanguageUsEnglish, 0,
              BuildVersionResource(version)});
    return WriteResourceDirectory(tree, 0);
}

int Run(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "icon") {
        WriteAll(args[1], DrawDefaultIcon());
        return 0;
    }
    if (args.size() < 2 || args[0] != "section") {
        std::fprintf(stderr, "usage: brelvane-resources icon OUT.ico | section OUT --icon ICO "
                             "--version A.B [--slot KEY=TEXT]... [--string KEY=TEXT]...\n");
        return 2;
    }
    std::string icon;
    TVersionBlock version;
    for (std::size_t i = 2; i + 1 < args.size(); i += 2) {
        const auto& option = args[i];
        const auto& value = args[i + 1];
        if (option == "--icon") {
            icon = value;
        } else if (option == "--version") {
            version.FileVersion = version.ProductVersion = ParseVersion(value);
        } else if (option == "--slot") {
            auto [key, text] = KeyValue(value);
            version.Strings.emplace_back(key, PadToVersionSlot(text));
        } else if (option == "--string") {
            version.Strings.push_back(KeyValue(value));
        } else {
            throw std::runtime_error("unknown option " + option);
        }
    }
    if (icon.empty() || args.size() % 2 != 0) throw std::runtime_error("--icon is needed");
    WriteAll(args[1], ProgramSection(ReadAll(icon), version));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brelvane-resources: %s\n", error.what());
        return 1;
    }
}
