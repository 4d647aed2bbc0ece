#include "ExeTestSupport.h"
#include "OtherReader.h"

#include <cstring>
#include <sstream>
#include <sys/stat.h>

namespace brelvane::test {

namespace {
constexpr mode_t kDistinctMode = 0751;

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}
} // namespace

std::vector<std::string> ListedResources(const std::string& exe) {
    const auto listed = RunCommand(std::string(BRELVANE_WRESTOOL) + " -l " + Quoted(exe));
    EXPECT_EQ(listed.Status, 0) << listed.Output;
    // Lines read "--type=3 --name=1 --language=1033 [...]"; names may be quoted.
    std::vector<std::string> names;
    std::istringstream lines(listed.Output);
    for (std::string line; std::getline(lines, line);) {
        std::string type, name;
        std::istringstream words(line);
        for (std::string word; words >> word;) {
            if (word.rfind("--type=", 0) == 0) type = word.substr(7);
            if (word.rfind("--name=", 0) == 0) name = word.substr(7);
        }
        if (name.size() >= 2 && name.front() == '\'' && name.back() == '\'')
            name = name.substr(1, name.size() - 2);
        names.push_back(type + "/" + name);
    }
    return names;
}

std::string ResourceBytes(const std::string& exe, int type, const std::string& name) {
    return RunCommand(std::string(BRELVANE_WRESTOOL) + " -x --raw --type=" + std::to_string(type) +
                      " --name=" + name + " " + Quoted(exe))
        .Output;
}

std::string VersionStringsListing(const std::string& exe) {
    const auto pe = RunCommand(std::string(BRELVANE_PYTHON) + " " + BRELVANE_EXE_SCRIPTS +
                               "/ReadStrings.py " + Quoted(exe));
    EXPECT_EQ(pe.Status, 0) << pe.Output;
    // pefile's count of warnings ends the listing; none is the sound answer.
    std::string listing = pe.Output;
    const std::string sound = "warnings=0\n";
    if (listing.size() >= sound.size() &&
        listing.compare(listing.size() - sound.size(), sound.size(), sound) == 0)
        listing.resize(listing.size() - sound.size());
    return listing;
}

std::optional<std::string> SectionHeaderListing(const std::string& exe) {
    const auto objdump = RunCommand("i686-w64-mingw32-objdump -h " + Quoted(exe));
    EXPECT_EQ(objdump.Status, 0) << objdump.Output;
    return objdump.Output;
}

std::string SystemErrorText(int code) {
    return std::strerror(code);
}

void GiveDistinctMode(const std::string& path) {
    ASSERT_EQ(::chmod(path.c_str(), kDistinctMode), 0);
}

bool HasDistinctMode(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & 07777) == kDistinctMode;
}

} // namespace brelvane::test
