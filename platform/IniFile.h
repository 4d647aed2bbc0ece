#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brelvane::platform {

// A standard INI file as other tools write it: sections and keys compared
// without regard to case, comments and unknown lines kept when saved again.
class IniFile {
public:
    // A missing or unreadable file gives an empty one.
    static IniFile Load(const std::string& path);

    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    std::string Value(const std::string& section, const std::string& key,
                      const std::string& fallback) const;
    int IntValue(const std::string& section, const std::string& key, int fallback) const;
    void SetValue(const std::string& section, const std::string& key, const std::string& value);

    // Writes through a temporary file; false when the file cannot be written.
    bool Save(const std::string& path) const;
    std::string Text() const;

private:
    std::vector<std::string> lines_;
};

} // namespace brelvane::platform
